#include "support/WindowsVersionWin.h"

#include <atomic>
#include <cstring>

namespace {

TOsVersionRecord RecordOf(const OSVERSIONINFOA& info)
{
    TOsVersionRecord record;
    record.PlatformId = info.dwPlatformId;
    record.MajorVersion = info.dwMajorVersion;
    record.MinorVersion = info.dwMinorVersion;
    record.BuildNumber = info.dwBuildNumber;
    record.CSDVersion.assign(info.szCSDVersion, strnlen(info.szCSDVersion, sizeof info.szCSDVersion));
    return record;
}

// Concurrent first calls compute the same value, so a plain atomic store is enough.
std::atomic<std::int32_t> cachedVersion{wvUnknown};

}  // namespace

OSVERSIONINFOA GetOsVersionInfo()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    info.dwPlatformId = kPlatformNone;
    GetVersionExA(&info);
    return info;
}

TWindowsVersion GetWindowsVersion()
{
    std::int32_t version = cachedVersion.load(std::memory_order_relaxed);
    if (version == wvUnknown) {
        version = ClassifyWindowsVersion(RecordOf(GetOsVersionInfo()));
        cachedVersion.store(version, std::memory_order_relaxed);
    }
    return static_cast<TWindowsVersion>(version);
}

std::string GetWindowsVersionName(bool withDetails)
{
    const TWindowsVersion version = GetWindowsVersion();
    try {
        return WindowsVersionName(version, RecordOf(GetOsVersionInfo()), withDetails);
    } catch (...) {
        return WindowsVersionDisplayName(version);
    }
}
