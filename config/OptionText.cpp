#include "config/OptionText.h"

#include "support/DecimalText.h"

namespace {

char FlagChar(bool on)
{
    return on ? '1' : '0';
}

// The text before the next comma from pos; pos moves past the comma.
std::optional<std::string> TakeField(const std::string& text, std::size_t& pos)
{
    const std::size_t comma = text.find(',', pos);
    if (comma == std::string::npos) return std::nullopt;
    std::string field = text.substr(pos, comma - pos);
    pos = comma + 1;
    return field;
}

}  // namespace

std::string OptionToText(const TContextMenuOption& option)
{
    return option.Caption + ',' + option.Program + ',' + std::to_string(option.OptionType) + ',' +
           FlagChar(option.Icon) + FlagChar(option.Submenu) + FlagChar(option.Separator);
}

std::optional<TContextMenuOption> TextToOption(const std::string& text)
{
    std::size_t pos = 0;
    const std::optional<std::string> caption = TakeField(text, pos);
    if (!caption) return std::nullopt;
    const std::optional<std::string> program = TakeField(text, pos);
    if (!program) return std::nullopt;
    const std::optional<std::string> type = TakeField(text, pos);
    if (!type || text.size() - pos < 3) return std::nullopt;

    TContextMenuOption option;
    option.Caption = *caption;
    option.Program = *program;
    option.OptionType = static_cast<std::uint8_t>(ParseDecimal(*type).value_or(0) & 0xFF);
    option.Icon = text[pos] != '0';
    option.Submenu = text[pos + 1] != '0';
    option.Separator = text[pos + 2] != '0';
    return option;
}
