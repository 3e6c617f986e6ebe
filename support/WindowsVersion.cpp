#include "support/WindowsVersion.h"

namespace {

constexpr const char* kDisplayNames[] = {
    "Unknown",    "Win32s",     "Windows 95",      "Windows 95 (OSR 2)", "Windows 98",   "Windows 98 (SE)",
    "Windows ME", "Windows NT 3.51", "Windows NT 4.0", "Windows 2000",       "Windows XP",
};

std::string TrimBlanks(const std::string& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    return text.substr(first, last - first);
}

TWindowsVersion Classify9x(const TOsVersionRecord& record)
{
    const std::string service = TrimBlanks(record.CSDVersion);
    if (record.MajorVersion != 4) return wvUnknown;
    switch (record.MinorVersion) {
    case 0: return service == "B" ? wvWin95OSR2 : wvWin95;
    case 10: return service == "A" ? wvWin98SE : wvWin98;
    case 90: return wvWinME;
    default: return wvUnknown;
    }
}

TWindowsVersion ClassifyNT(const TOsVersionRecord& record)
{
    switch (record.MajorVersion) {
    case 3: return wvWinNT3;
    case 4: return wvWinNT4;
    case 5: return record.MinorVersion == 1 ? wvWinXP : wvWin2000;
    default: return wvUnknown;
    }
}

}  // namespace

TWindowsVersion ClassifyWindowsVersion(const TOsVersionRecord& record)
{
    switch (record.PlatformId) {
    case kPlatformWin32s: return wvWin32s;
    case kPlatformWindows9x: return Classify9x(record);
    case kPlatformWindowsNT: return ClassifyNT(record);
    default: return wvUnknown;
    }
}

std::string WindowsVersionDisplayName(TWindowsVersion version)
{
    return version >= wvUnknown && version <= wvWinXP ? kDisplayNames[version] : kDisplayNames[wvUnknown];
}

std::string WindowsVersionName(TWindowsVersion version, const TOsVersionRecord& record, bool withDetails)
{
    std::string name = WindowsVersionDisplayName(version);
    if (!withDetails) return name;

    std::uint32_t build = 0;
    std::string extra;
    if (record.PlatformId == kPlatformWindows9x) {
        build = record.BuildNumber & 0xFFFF;
        if (version == wvWin95OSR2 || version == wvWin98SE) {
            // The edition moves out of the name into the details.
            const std::size_t open = name.find('(');
            const std::size_t close = name.rfind(')');
            extra = name.substr(open + 1, close - open - 1);
            name.erase(open - 1);
        }
    } else if (record.PlatformId == kPlatformWindowsNT) {
        build = record.BuildNumber;
        extra = record.CSDVersion;
    }
    if (build == 0 && extra.empty()) return name;

    name += " (";
    if (build != 0) name += "Build " + std::to_string(build);
    if (build != 0 && !extra.empty()) name += ", ";
    return name + extra + ")";
}
