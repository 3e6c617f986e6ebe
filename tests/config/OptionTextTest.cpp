#include "config/OptionText.h"

#include <gtest/gtest.h>

namespace {

TContextMenuOption Option(std::uint8_t type, const char* caption, const char* program, bool icon, bool submenu,
                          bool separator)
{
    TContextMenuOption option;
    option.OptionType = type;
    option.Caption = caption;
    option.Program = program;
    option.Icon = icon;
    option.Submenu = submenu;
    option.Separator = separator;
    return option;
}

}  // namespace

TEST(OptionToText, WritesCaptionProgramTypeAndTheThreeFlags)
{
    struct Case {
        TContextMenuOption option;
        const char* expected;
    };
    const Case cases[] = {
        {Option(8, "Set file date and time", "", false, true, true), "Set file date and time,,8,011"},
        {Option(0, "Run", "notepad.exe", true, false, false), "Run,notepad.exe,0,100"},
        {Option(255, "", "", true, true, true), ",,255,111"},
        {Option(0, "Edit", "\"C:\\Tools\\ed.exe\" -n", false, false, false), "Edit,\"C:\\Tools\\ed.exe\" -n,0,000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(OptionToText(c.option), c.expected);
    }
}

TEST(OptionToText, LeavesTheRunTimeFlagOut)
{
    TContextMenuOption enabled = Option(2, "Explore", "", true, true, false);
    enabled.Enabled = true;
    EXPECT_EQ(OptionToText(enabled), "Explore,,2,110");
}

TEST(TextToOption, ReadsWhatOptionToTextWrites)
{
    const TContextMenuOption options[] = {
        Option(1, "Analyse Pascal source code", "", false, true, false),
        Option(0, "Run", "C:\\x y\\p.exe?/a", true, false, true),
        Option(9, "", "", true, true, true),
    };
    for (const TContextMenuOption& option : options) {
        SCOPED_TRACE(option.Caption);
        EXPECT_EQ(TextToOption(OptionToText(option)), option);
    }
}

TEST(TextToOption, ParsesTheStoredForm)
{
    struct Case {
        const char* text;
        TContextMenuOption expected;
    };
    const Case cases[] = {
        {"Run,notepad.exe,0,1Y0", Option(0, "Run", "notepad.exe", true, true, false)},
        {"X,,257,000", Option(1, "X", "", false, false, false)},
        {"X,,abc,111", Option(0, "X", "", true, true, true)},
        {"X,,,010", Option(0, "X", "", false, true, false)},
        {"X,,-1,000", Option(255, "X", "", false, false, false)},
        {"X,,99999999999,000", Option(0, "X", "", false, false, false)},
        {"X,,3,010 and more", Option(3, "X", "", false, true, false)},
        {"X,,3,0,1,", Option(3, "X", "", false, true, true)},
        {",,2,110", Option(2, "", "", true, true, false)},
        {"A b,c d,4, 00", Option(4, "A b", "c d", true, false, false)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<TContextMenuOption> option = TextToOption(c.text);
        ASSERT_TRUE(option);
        EXPECT_EQ(*option, c.expected);
        EXPECT_FALSE(option->Enabled);
    }
}

TEST(TextToOption, RefusesTextsWithTooFewCommasOrFlags)
{
    const char* cases[] = {
        "", "Copy", "Copy,x", "Copy,,3", "Copy,,3,", "Copy,,3,0", "Copy,,3,01", ",,,",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(TextToOption(text));
    }
}
