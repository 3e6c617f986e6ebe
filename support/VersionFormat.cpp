#include "support/VersionFormat.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr std::uint16_t kUsEnglish = 1033;
constexpr std::uint16_t kUnicodeCodePage = 1200;

constexpr const char* kStandardValueNames[] = {
    "CompanyName",      "FileDescription", "FileVersion",    "InternalName",
    "LegalCopyright",   "LegalTrademarks", "OriginalFilename", "ProductName",
    "ProductVersion",   "Comments",        "BuildFlags",
};

// The widest number the formatter pads to; wider fields are copied as written.
constexpr int kMaxField = 127;

bool IsFieldEnd(char c) noexcept
{
    return std::strchr("ADZadz", c) != nullptr && c != '\0';
}

// Reads "[-][width][.precision]" between the "%" and the final letter.
bool ParseFlags(const std::string& flags, bool& left, int& width, int& precision)
{
    std::size_t at = 0;
    left = at < flags.size() && flags[at] == '-';
    if (left) ++at;
    auto readNumber = [&](int& value) {
        value = -1;
        while (at < flags.size() && flags[at] >= '0' && flags[at] <= '9') {
            value = (value < 0 ? 0 : value) * 10 + (flags[at++] - '0');
            if (value > kMaxField) return false;
        }
        return true;
    };
    if (!readNumber(width)) return false;
    precision = -1;
    if (at < flags.size() && flags[at] == '.') {
        ++at;
        if (!readNumber(precision)) return false;
        if (precision < 0) precision = 0;
    }
    return at == flags.size();
}

std::string Decimal(const std::string& field, std::uint16_t number)
{
    bool left = false;
    int width = -1;
    int precision = -1;
    if (!ParseFlags(field.substr(1, field.size() - 2), left, width, precision))
        return field;
    char format[32];
    std::snprintf(format, sizeof format, "%%%s*.*d", left ? "-" : "");
    char text[2 * kMaxField + 8];
    std::snprintf(text, sizeof text, format, width < 0 ? 0 : width, precision, static_cast<int>(number));
    return text;
}

std::string Prefix(std::uint16_t language, std::uint16_t codePage)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.4X%.4X\\", language, codePage);
    return text;
}

}  // namespace

TVersionNumbers VersionNumbersOf(std::uint32_t fileVersionMS, std::uint32_t fileVersionLS) noexcept
{
    return {static_cast<std::uint16_t>(fileVersionMS >> 16), static_cast<std::uint16_t>(fileVersionMS & 0xFFFF),
            static_cast<std::uint16_t>(fileVersionLS >> 16), static_cast<std::uint16_t>(fileVersionLS & 0xFFFF)};
}

std::uint16_t VersionNumberAt(const TVersionNumbers& numbers, std::int32_t index) noexcept
{
    return index >= 0 && index < 4 ? numbers[static_cast<std::size_t>(index)] : 0;
}

std::string FormatVersion(const std::string& format, const TVersionNumbers& numbers)
{
    std::string result;
    std::int32_t next = 0;
    std::size_t at = 0;
    while (at < format.size()) {
        if (format[at] != '%') {
            result += format[at++];
            continue;
        }
        std::size_t end = at + 1;
        while (end < format.size() && !IsFieldEnd(format[end])) ++end;
        if (end == format.size()) {
            result += format.substr(at);
            break;
        }
        const std::string field = format.substr(at, end - at + 1);
        const char kind = format[end];
        const std::uint16_t number = VersionNumberAt(numbers, next++);
        if (kind == 'd' || kind == 'D') {
            result += Decimal(field, number);
        } else if (kind == 'a' || kind == 'A') {
            // 0 has no letter: it means "no letter suffix".
            if (number > 26) {
                result += '?';
            } else if (number > 0) {
                result += static_cast<char>(kind + number - 1);
            }
        }
        at = end + 1;
    }
    return result;
}

std::vector<std::string> TranslationPrefixes(const std::vector<std::uint8_t>& table)
{
    auto wordAt = [&](std::size_t offset) {
        const std::uint16_t low = offset < table.size() ? table[offset] : 0;
        const std::uint16_t high = offset + 1 < table.size() ? table[offset + 1] : 0;
        return static_cast<std::uint16_t>(low | high << 8);
    };
    std::vector<std::string> prefixes;
    const std::size_t pairs = table.size() / 4;
    for (std::size_t i = 0; i < pairs; ++i) {
        std::uint16_t language = wordAt(4 * i);
        if (language == 0) language = kUsEnglish;
        prefixes.push_back(Prefix(language, wordAt(4 * i + 2)));
        prefixes.push_back(Prefix(language, kUnicodeCodePage));
    }
    if (pairs == 0 && !table.empty()) prefixes.push_back(Prefix(kUsEnglish, wordAt(0)));
    return prefixes;
}

std::string StandardValueName(std::int32_t index)
{
    constexpr auto count = static_cast<std::int32_t>(sizeof kStandardValueNames / sizeof kStandardValueNames[0]);
    return index >= 0 && index < count ? kStandardValueNames[index] : std::string();
}
