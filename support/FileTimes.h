// A file's or folder's time stamps: the last-write time in the DOS form, and
// setting the three stamps from local dates and times.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "support/LocalDateTime.h"

// Last-write time as a local DOS date (high 16 bits) and time (low 16 bits);
// -1 when nothing is found (a drive root too) or the time has no DOS form.
std::int32_t GetFileDosTime(const std::string& Path);

// The local date and time, through the DOS form (seconds rounded down to even)
// and the time-zone bias in force now, as a UTC file time; none when the year
// lies outside 1980 to 2107 or a conversion fails.
std::optional<FILETIME> DateTimeToUtcFileTime(const TLocalDateTime& Local);

// Sets the stamps that are given; one that is none or has no DOS form is left
// as it is. Folders are opened too. False when the item cannot be opened for
// writing or the stamps are refused.
bool SetFileTimes(const std::string& Name, const std::optional<TLocalDateTime>& Created,
                  const std::optional<TLocalDateTime>& Accessed, const std::optional<TLocalDateTime>& Updated);
