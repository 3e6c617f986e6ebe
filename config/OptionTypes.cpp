#include "config/OptionTypes.h"

namespace {

using P = TOptionProgram;
using I = TOptionIcon;

constexpr TOptionTypeInfo kOptionTypes[kOptionTypeCount] = {
    {otUserDefined, "User defined", nullptr, nullptr, P::UserProgram, nullptr, I::ProgramIcon, true, false},
    {otAnalyse, "Analyse Pascal source code",
     "Analyse the Pascal source code of the selected file(s) that match the configured extensions", nullptr,
     P::None, nullptr, I::MainIcon, false, false},
    {otExplore, "Explore in a new window", "Explore the selected folder in a new window", nullptr, P::SearchPath,
     "EXPLORER.EXE", I::ProgramIcon, true, false},
    {otCopyPath, "Copy the full path",
     "Copy the full Windows path(s) of the selected file(s) or folder(s) to the Windows Clipboard", nullptr, P::None,
     nullptr, I::MainIcon, false, false},
    {otWordpad, "Edit with Wordpad", "Edit the selected file with Windows Wordpad",
     "Run Windows Wordpad in the selected folder", P::SearchPath, "WRITE.EXE", I::ProgramIcon, true, false},
    {otNotepad, "Edit with Notepad", "Edit the selected file with Windows Notepad",
     "Run Windows Notepad in the selected folder", P::SearchPath, "NOTEPAD.EXE", I::ProgramIcon, true, false},
    {otCommandPrompt, "Open a Command Prompt", "Open a Command Prompt window in the selected location", nullptr,
     P::CommandPrompt, nullptr, I::ProgramIcon, true, false},
    {otAttributes, "Set file attributes", "Set the attributes of the selected file(s) or folder(s)", nullptr, P::None,
     nullptr, I::MainIcon, false, false},
    {otDateTime, "Set file date and time", "Set the date and time of the selected file(s) or folder(s)", nullptr,
     P::None, nullptr, I::MainIcon, false, true},
    {otPreferences, "KestrixShell preferences", "Configure the operation of KestrixShell", nullptr, P::Configuration,
     nullptr, I::MainIcon, true, false},
};

}  // namespace

const TOptionTypeInfo* FindOptionType(std::uint8_t id)
{
    return id < kOptionTypeCount ? &kOptionTypes[id] : nullptr;
}

std::string OptionTypeName(std::uint8_t id)
{
    const TOptionTypeInfo* info = FindOptionType(id);
    return info ? info->TypeName : "";
}

std::vector<std::string> OptionTypeNames()
{
    std::vector<std::string> names;
    for (const TOptionTypeInfo& info : kOptionTypes) names.emplace_back(info.TypeName);
    return names;
}

std::string OptionHelpText(const TContextMenuOption& option, bool firstIsFolder)
{
    const TOptionTypeInfo* info = FindOptionType(option.OptionType);
    if (!info) return {};
    if (!info->HelpText) return option.Caption;
    return firstIsFolder && info->FolderHelpText ? info->FolderHelpText : info->HelpText;
}

TContextMenuOption DefaultOption(TOptionType type)
{
    const TOptionTypeInfo& info = *FindOptionType(type);
    TContextMenuOption option;
    option.OptionType = type;
    option.Caption = info.TypeName;
    option.Icon = info.DefaultIcon;
    option.Submenu = true;
    option.Separator = info.DefaultSeparator;
    return option;
}
