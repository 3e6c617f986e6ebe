// The classification of the running Windows and its display name, as plain
// functions of the version record the system reports.
#pragma once
#include <cstdint>
#include <string>

enum TWindowsVersion : std::int32_t {
    wvUnknown = 0,
    wvWin32s = 1,
    wvWin95 = 2,
    wvWin95OSR2 = 3,
    wvWin98 = 4,
    wvWin98SE = 5,
    wvWinME = 6,
    wvWinNT3 = 7,
    wvWinNT4 = 8,
    wvWin2000 = 9,
    wvWinXP = 10,
};

// The platform ids of the version record.
inline constexpr std::uint32_t kPlatformWin32s = 0;
inline constexpr std::uint32_t kPlatformWindows9x = 1;
inline constexpr std::uint32_t kPlatformWindowsNT = 2;
// Set before asking the system, so a failed call matches no platform.
inline constexpr std::uint32_t kPlatformNone = 0xFFFF;

// The facts of the version record (OSVERSIONINFOA) that the classification reads.
struct TOsVersionRecord {
    std::uint32_t PlatformId = kPlatformNone;
    std::uint32_t MajorVersion = 0;
    std::uint32_t MinorVersion = 0;
    std::uint32_t BuildNumber = 0;
    std::string CSDVersion;
};

TWindowsVersion ClassifyWindowsVersion(const TOsVersionRecord& record);

// "Windows XP", "Unknown", ...
std::string WindowsVersionDisplayName(TWindowsVersion version);

// The display name, with the build number and the service text appended when
// withDetails is set: "Windows XP (Build 2600, Service Pack 2)".
std::string WindowsVersionName(TWindowsVersion version, const TOsVersionRecord& record, bool withDetails);
