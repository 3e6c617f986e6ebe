#include "config/OptionTypes.h"

#include <gtest/gtest.h>

#include "config/OptionText.h"

TEST(OptionTypes, NamesAreInIdOrder)
{
    const std::vector<std::string> expected = {
        "User defined",         "Analyse Pascal source code", "Explore in a new window", "Copy the full path",
        "Edit with Wordpad",    "Edit with Notepad",          "Open a Command Prompt",   "Set file attributes",
        "Set file date and time", "KestrixShell preferences",
    };
    EXPECT_EQ(OptionTypeNames(), expected);
    for (int id = 0; id < kOptionTypeCount; ++id) {
        SCOPED_TRACE(id);
        ASSERT_NE(FindOptionType(static_cast<std::uint8_t>(id)), nullptr);
        EXPECT_EQ(FindOptionType(static_cast<std::uint8_t>(id))->Type, id);
        EXPECT_EQ(OptionTypeName(static_cast<std::uint8_t>(id)), expected[id]);
    }
}

TEST(OptionTypes, UnknownIdsHaveNoRow)
{
    for (int id : {10, 11, 200, 255}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(FindOptionType(static_cast<std::uint8_t>(id)), nullptr);
        EXPECT_EQ(OptionTypeName(static_cast<std::uint8_t>(id)), "");
        TContextMenuOption option;
        option.OptionType = static_cast<std::uint8_t>(id);
        option.Caption = "Caption";
        EXPECT_EQ(OptionHelpText(option, false), "");
    }
}

TEST(OptionHelpText, DependsOnTheTypeAndForTwoTypesOnAFolder)
{
    struct Case {
        std::uint8_t type;
        bool folder;
        const char* expected;
    };
    const Case cases[] = {
        {otUserDefined, false, "My tool"},
        {otUserDefined, true, "My tool"},
        {otAnalyse, false, "Analyse the Pascal source code of the selected file(s) that match the configured extensions"},
        {otExplore, true, "Explore the selected folder in a new window"},
        {otCopyPath, false,
         "Copy the full Windows path(s) of the selected file(s) or folder(s) to the Windows Clipboard"},
        {otWordpad, false, "Edit the selected file with Windows Wordpad"},
        {otWordpad, true, "Run Windows Wordpad in the selected folder"},
        {otNotepad, false, "Edit the selected file with Windows Notepad"},
        {otNotepad, true, "Run Windows Notepad in the selected folder"},
        {otCommandPrompt, true, "Open a Command Prompt window in the selected location"},
        {otAttributes, true, "Set the attributes of the selected file(s) or folder(s)"},
        {otDateTime, false, "Set the date and time of the selected file(s) or folder(s)"},
        {otPreferences, false, "Configure the operation of KestrixShell"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        TContextMenuOption option;
        option.OptionType = c.type;
        option.Caption = "My tool";
        EXPECT_EQ(OptionHelpText(option, c.folder), c.expected);
    }
}

TEST(OptionTypes, ProgramsAndIcons)
{
    struct Case {
        TOptionType type;
        TOptionProgram program;
        const char* programName;
        TOptionIcon icon;
    };
    const Case cases[] = {
        {otUserDefined, TOptionProgram::UserProgram, nullptr, TOptionIcon::ProgramIcon},
        {otAnalyse, TOptionProgram::None, nullptr, TOptionIcon::MainIcon},
        {otExplore, TOptionProgram::SearchPath, "EXPLORER.EXE", TOptionIcon::ProgramIcon},
        {otCopyPath, TOptionProgram::None, nullptr, TOptionIcon::MainIcon},
        {otWordpad, TOptionProgram::SearchPath, "WRITE.EXE", TOptionIcon::ProgramIcon},
        {otNotepad, TOptionProgram::SearchPath, "NOTEPAD.EXE", TOptionIcon::ProgramIcon},
        {otCommandPrompt, TOptionProgram::CommandPrompt, nullptr, TOptionIcon::ProgramIcon},
        {otAttributes, TOptionProgram::None, nullptr, TOptionIcon::MainIcon},
        {otDateTime, TOptionProgram::None, nullptr, TOptionIcon::MainIcon},
        {otPreferences, TOptionProgram::Configuration, nullptr, TOptionIcon::MainIcon},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        const TOptionTypeInfo& info = *FindOptionType(c.type);
        EXPECT_EQ(info.Program, c.program);
        EXPECT_EQ(info.ItemIcon, c.icon);
        if (c.programName)
            EXPECT_STREQ(info.ProgramName, c.programName);
        else
            EXPECT_EQ(info.ProgramName, nullptr);
    }
}

TEST(DefaultOption, MatchesTheStoredDefaultList)
{
    const char* expected[] = {
        "Analyse Pascal source code,,1,010", "Explore in a new window,,2,110", "Copy the full path,,3,010",
        "Edit with Wordpad,,4,110",          "Edit with Notepad,,5,110",      "Open a Command Prompt,,6,110",
        "Set file attributes,,7,010",        "Set file date and time,,8,011", "KestrixShell preferences,,9,110",
    };
    for (int id = otAnalyse; id <= otPreferences; ++id) {
        SCOPED_TRACE(id);
        EXPECT_EQ(OptionToText(DefaultOption(static_cast<TOptionType>(id))), expected[id - 1]);
    }
}
