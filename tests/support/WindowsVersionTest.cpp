#include "support/WindowsVersion.h"

#include <gtest/gtest.h>

namespace {

TOsVersionRecord Record(std::uint32_t platform, std::uint32_t major, std::uint32_t minor, std::uint32_t build,
                        const char* service)
{
    TOsVersionRecord record;
    record.PlatformId = platform;
    record.MajorVersion = major;
    record.MinorVersion = minor;
    record.BuildNumber = build;
    record.CSDVersion = service;
    return record;
}

struct Case {
    TOsVersionRecord record;
    TWindowsVersion version;
    const char* name;
    const char* detailedName;
};

constexpr std::uint32_t k9x = kPlatformWindows9x;
constexpr std::uint32_t kNT = kPlatformWindowsNT;

}  // namespace

TEST(WindowsVersion, ClassifiesTheRecordAndNamesIt)
{
    const Case cases[] = {
        {Record(kPlatformWin32s, 1, 30, 0, ""), wvWin32s, "Win32s", "Win32s"},
        {Record(k9x, 4, 0, 0x040003B6, ""), wvWin95, "Windows 95", "Windows 95 (Build 950)"},
        {Record(k9x, 4, 0, 0x04000457, " B "), wvWin95OSR2, "Windows 95 (OSR 2)", "Windows 95 (Build 1111, OSR 2)"},
        {Record(k9x, 4, 0, 1111, " C"), wvWin95, "Windows 95", "Windows 95 (Build 1111)"},
        {Record(k9x, 4, 0, 1111, "b"), wvWin95, "Windows 95", "Windows 95 (Build 1111)"},
        {Record(k9x, 4, 10, 0x040A07CE, ""), wvWin98, "Windows 98", "Windows 98 (Build 1998)"},
        {Record(k9x, 4, 10, 0x040A08AE, " A "), wvWin98SE, "Windows 98 (SE)", "Windows 98 (Build 2222, SE)"},
        {Record(k9x, 4, 10, 2222, "a"), wvWin98, "Windows 98", "Windows 98 (Build 2222)"},
        {Record(k9x, 4, 90, 0x045A0BB8, " "), wvWinME, "Windows ME", "Windows ME (Build 3000)"},
        {Record(k9x, 4, 20, 1, ""), wvUnknown, "Unknown", "Unknown (Build 1)"},
        {Record(k9x, 5, 0, 0, ""), wvUnknown, "Unknown", "Unknown"},
        {Record(kNT, 3, 51, 1057, "Service Pack 5"), wvWinNT3, "Windows NT 3.51",
         "Windows NT 3.51 (Build 1057, Service Pack 5)"},
        {Record(kNT, 4, 0, 1381, "Service Pack 6"), wvWinNT4, "Windows NT 4.0",
         "Windows NT 4.0 (Build 1381, Service Pack 6)"},
        {Record(kNT, 5, 0, 2195, ""), wvWin2000, "Windows 2000", "Windows 2000 (Build 2195)"},
        {Record(kNT, 5, 2, 3790, "Service Pack 2"), wvWin2000, "Windows 2000",
         "Windows 2000 (Build 3790, Service Pack 2)"},
        {Record(kNT, 5, 1, 2600, "Service Pack 2"), wvWinXP, "Windows XP", "Windows XP (Build 2600, Service Pack 2)"},
        {Record(kNT, 5, 1, 2600, ""), wvWinXP, "Windows XP", "Windows XP (Build 2600)"},
        {Record(kNT, 5, 1, 0, "Service Pack 3"), wvWinXP, "Windows XP", "Windows XP (Service Pack 3)"},
        {Record(kNT, 6, 0, 6002, "Service Pack 2"), wvUnknown, "Unknown", "Unknown (Build 6002, Service Pack 2)"},
        {Record(kNT, 10, 0, 19045, ""), wvUnknown, "Unknown", "Unknown (Build 19045)"},
        {Record(kPlatformNone, 5, 1, 2600, "Service Pack 2"), wvUnknown, "Unknown", "Unknown"},
        {Record(3, 10, 0, 0, ""), wvUnknown, "Unknown", "Unknown"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.detailedName);
        const TWindowsVersion version = ClassifyWindowsVersion(c.record);
        EXPECT_EQ(version, c.version);
        EXPECT_EQ(WindowsVersionName(version, c.record, false), c.name);
        EXPECT_EQ(WindowsVersionName(version, c.record, true), c.detailedName);
    }
}

TEST(WindowsVersion, EveryValueHasItsDisplayName)
{
    const char* names[] = {"Unknown",    "Win32s",          "Windows 95",     "Windows 95 (OSR 2)",
                           "Windows 98", "Windows 98 (SE)", "Windows ME",     "Windows NT 3.51",
                           "Windows NT 4.0", "Windows 2000", "Windows XP"};
    for (std::int32_t v = wvUnknown; v <= wvWinXP; ++v) {
        SCOPED_TRACE(v);
        EXPECT_EQ(WindowsVersionDisplayName(static_cast<TWindowsVersion>(v)), names[v]);
    }
    EXPECT_EQ(WindowsVersionDisplayName(static_cast<TWindowsVersion>(11)), "Unknown");
}
