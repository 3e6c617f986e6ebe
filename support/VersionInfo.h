// Reader of a file's version resource: its string values in the file's own
// languages and code pages, and the four numbers of the fixed file version.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/Classes.h"

class TKSVersionInfo {
public:
    // Never fails: a file without a usable version resource gives a reader
    // without version information.
    explicit TKSVersionInfo(const std::string& fileName);
    TKSVersionInfo(const TKSVersionInfo&) = delete;
    TKSVersionInfo& operator=(const TKSVersionInfo&) = delete;

    bool HasVersionInfo() const noexcept { return VersionSize != 0; }

    // The value from the string tables; when several have it, the one tried last wins.
    std::string GetValue(const std::string& name) const;
    // GetValue of "CompanyName" (0) ... "BuildFlags" (10); empty for other indexes.
    std::string GetStandardValue(std::int32_t index) const;
    // The number with index counter (0 major ... 3 build, 0 otherwise); counts on.
    std::uint16_t GetVersionPart(std::int32_t& counter) const;
    // The four numbers put into format; empty without version information.
    std::string FormatVersion(const std::string& format) const;

    // The string table prefixes in the order they are tried ("040904E4\").
    const TStringList& GetTranslations() const noexcept { return Translations; }

private:
    void Read(const std::string& fileName);

    std::vector<std::uint8_t> VersionData;
    DWORD VersionSize = 0;
    const VS_FIXEDFILEINFO* FixedInfo = nullptr;
    UINT FixedInfoSize = 0;
    TStringList Translations;
};
