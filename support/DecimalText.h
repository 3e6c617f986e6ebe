// Numbers stored as decimal text (registry values, the option text form).
#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The whole text as a decimal 32-bit integer with an optional sign; none when
// it is empty, holds anything else or does not fit.
std::optional<std::int32_t> ParseDecimal(const std::string& text);
