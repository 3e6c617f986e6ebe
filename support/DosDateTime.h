// The DOS date and time form: date in the high 16 bits, time in the low 16 bits,
// years 1980 to 2107 and a resolution of two seconds.
#pragma once
#include <cstdint>
#include <optional>

#include "support/LocalDateTime.h"

struct TDosDateTime {
    std::uint16_t Date = 0;
    std::uint16_t Time = 0;
};

// None when a field is outside its range (year 1980 to 2107, a day the month
// does not have, ...). Odd seconds are rounded down.
std::optional<TDosDateTime> EncodeDosDateTime(const TLocalDateTime& local);

TLocalDateTime DecodeDosDateTime(TDosDateTime dos);

// The 32-bit form that GetFileDosTime returns, and back.
std::uint32_t PackDosDateTime(TDosDateTime dos);
TDosDateTime UnpackDosDateTime(std::uint32_t packed);
