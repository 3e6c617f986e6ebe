#include "support/DosDateTime.h"

namespace {

constexpr int kFirstYear = 1980;
constexpr int kLastYear = 2107;

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<TDosDateTime> EncodeDosDateTime(const TLocalDateTime& local)
{
    // Every field is checked: an out-of-range value would spill into its
    // neighbour's bits and give a different, valid-looking stamp.
    if (local.Year < kFirstYear || local.Year > kLastYear) return std::nullopt;
    if (local.Month < 1 || local.Month > 12) return std::nullopt;
    if (local.Day < 1 || local.Day > DaysInMonth(local.Year, local.Month)) return std::nullopt;
    if (local.Hour < 0 || local.Hour > 23) return std::nullopt;
    if (local.Minute < 0 || local.Minute > 59) return std::nullopt;
    if (local.Second < 0 || local.Second > 59) return std::nullopt;

    TDosDateTime dos;
    dos.Date = static_cast<std::uint16_t>(((local.Year - kFirstYear) << 9) | (local.Month << 5) | local.Day);
    dos.Time = static_cast<std::uint16_t>((local.Hour << 11) | (local.Minute << 5) | (local.Second / 2));
    return dos;
}

TLocalDateTime DecodeDosDateTime(TDosDateTime dos)
{
    TLocalDateTime local;
    local.Year = kFirstYear + (dos.Date >> 9);
    local.Month = (dos.Date >> 5) & 0x0F;
    local.Day = dos.Date & 0x1F;
    local.Hour = dos.Time >> 11;
    local.Minute = (dos.Time >> 5) & 0x3F;
    local.Second = (dos.Time & 0x1F) * 2;
    return local;
}

std::uint32_t PackDosDateTime(TDosDateTime dos)
{
    return (static_cast<std::uint32_t>(dos.Date) << 16) | dos.Time;
}

TDosDateTime UnpackDosDateTime(std::uint32_t packed)
{
    return {static_cast<std::uint16_t>(packed >> 16), static_cast<std::uint16_t>(packed & 0xFFFF)};
}
