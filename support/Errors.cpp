#include "support/Errors.h"

namespace {

std::string ReplaceFirst(const char* pattern, const char* placeholder, const std::string& value)
{
    std::string message(pattern);
    const auto at = message.find(placeholder);
    if (at != std::string::npos) message.replace(at, 2, value);
    return message;
}

}  // namespace

std::string FormatMessageText(const char* pattern, const std::string& text)
{
    return ReplaceFirst(pattern, "%s", text);
}

std::string FormatMessageText(const char* pattern, std::int32_t number)
{
    return ReplaceFirst(pattern, "%d", std::to_string(number));
}
