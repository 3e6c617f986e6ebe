// The stored form of one option: Caption,Program,OptionType,ISS with the three
// flags Icon, Submenu and Separator as "1" or "0". Nothing is escaped, so
// neither text can hold a comma.
#pragma once
#include <optional>
#include <string>

#include "config/ContextMenuOption.h"

std::string OptionToText(const TContextMenuOption& option);

// None when the text has fewer than three commas or fewer than three flag
// characters after the third. A type that is not a number reads as 0 and is
// kept in 8 bits; a flag other than "0" is on; anything after the flags is
// ignored.
std::optional<TContextMenuOption> TextToOption(const std::string& text);
