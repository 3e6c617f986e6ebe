// The ten kinds of menu option: names, help texts, what each runs, which icon
// its item shows and its entry in the default list.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "config/ContextMenuOption.h"

enum TOptionType : std::uint8_t {
    otUserDefined = 0,
    otAnalyse = 1,
    otExplore = 2,
    otCopyPath = 3,
    otWordpad = 4,
    otNotepad = 5,
    otCommandPrompt = 6,
    otAttributes = 7,
    otDateTime = 8,
    otPreferences = 9,
};

constexpr int kOptionTypeCount = 10;

// What the shell extension runs for an option.
enum class TOptionProgram {
    None,           // the extension does the work itself
    UserProgram,    // the program part of the option's own Program line
    SearchPath,     // ProgramName, found by a file search
    CommandPrompt,  // the value of COMSPEC
    Configuration,  // the configuration program beside the library
};

// The icon an item shows when its option's Icon flag is set.
enum class TOptionIcon {
    ProgramIcon,  // the program file's small shell icon
    MainIcon,     // the library's "MAINICON"
};

struct TOptionTypeInfo {
    TOptionType Type;
    const char* TypeName;        // also the default caption
    const char* HelpText;        // null: the option's own caption
    const char* FolderHelpText;  // when the first selected item is a folder; null: HelpText
    TOptionProgram Program;
    const char* ProgramName;     // the file searched for (SearchPath only)
    TOptionIcon ItemIcon;
    bool DefaultIcon;            // Icon flag of the default list's entry
    bool DefaultSeparator;       // Separator flag of the default list's entry
};

// The row of the type id; null for an id outside 0 to 9.
const TOptionTypeInfo* FindOptionType(std::uint8_t id);

// The type's name; empty for an unknown id.
std::string OptionTypeName(std::uint8_t id);

// All ten names in id order, as the type chooser shows them.
std::vector<std::string> OptionTypeNames();

// What the shell shows as the item's help text.
std::string OptionHelpText(const TContextMenuOption& option, bool firstIsFolder);

// The option of the type as the default list holds it.
TContextMenuOption DefaultOption(TOptionType type);
