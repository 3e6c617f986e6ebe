// One configured context-menu option.
#pragma once
#include <cstdint>
#include <string>

struct TContextMenuOption {
    std::uint8_t OptionType = 0;  // a TOptionType id
    std::string Caption;          // the item's menu text
    std::string Program;          // user-defined: program line with parameters
    bool Enabled = false;         // run time only: applies to the current selection
    bool Icon = false;            // an icon beside the item
    bool Submenu = false;         // in the product's submenu, not the top level
    bool Separator = false;       // a separator follows the item

    friend bool operator==(const TContextMenuOption& a, const TContextMenuOption& b)
    {
        return a.OptionType == b.OptionType && a.Caption == b.Caption && a.Program == b.Program &&
               a.Enabled == b.Enabled && a.Icon == b.Icon && a.Submenu == b.Submenu && a.Separator == b.Separator;
    }
    friend bool operator!=(const TContextMenuOption& a, const TContextMenuOption& b) { return !(a == b); }
};
