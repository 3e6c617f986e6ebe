// Portable pieces of the version resource reader: the four version numbers,
// their formatter and the prefixes of the string tables to try.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Major, minor, release, build.
using TVersionNumbers = std::array<std::uint16_t, 4>;

// The numbers of a fixed file version (dwFileVersionMS, dwFileVersionLS).
TVersionNumbers VersionNumbersOf(std::uint32_t fileVersionMS, std::uint32_t fileVersionLS) noexcept;

// The number with that index (0 major ... 3 build), 0 for any other index.
std::uint16_t VersionNumberAt(const TVersionNumbers& numbers, std::int32_t index) noexcept;

// Puts the numbers, one after the other, into the format: "%...d" writes the
// next number in decimal (width and precision allowed), "%...a" / "%...A" a
// letter (1 is a, 2 is b, above 26 "?"), "%...z" skips a number. A
// field without its final letter is copied unchanged.
std::string FormatVersion(const std::string& format, const TVersionNumbers& numbers);

// The string table prefixes ("040904E4\") for a translation table given as
// its raw bytes: each (language, code page) pair gives its own prefix and the
// one for the Unicode code page; language 0 stands for US English.
std::vector<std::string> TranslationPrefixes(const std::vector<std::uint8_t>& table);

// The index of the standard value names ("CompanyName" ... "BuildFlags"); empty outside 0 to 10.
std::string StandardValueName(std::int32_t index);
