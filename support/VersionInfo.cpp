#include "support/VersionInfo.h"

#include <cstring>

#include "support/VersionFormat.h"

namespace {

constexpr WORD kUsEnglish = 1033;

}  // namespace

TKSVersionInfo::TKSVersionInfo(const std::string& fileName)
{
    try {
        Read(fileName);
    } catch (...) {
        VersionSize = 0;
    }
    if (VersionSize == 0) {
        FixedInfo = nullptr;
        FixedInfoSize = 0;
        Translations.Clear();
    }
}

void TKSVersionInfo::Read(const std::string& fileName)
{
    DWORD ignored = 0;
    VersionSize = GetFileVersionInfoSizeA(fileName.c_str(), &ignored);
    if (VersionSize == 0) return;

    VersionData.assign(VersionSize, 0);
    void* fixed = nullptr;
    void* table = nullptr;
    UINT tableSize = 0;
    char root[] = "\\";
    char translation[] = "\\VarFileInfo\\Translation";
    if (!GetFileVersionInfoA(fileName.c_str(), 0, VersionSize, VersionData.data()) ||
        !VerQueryValueA(VersionData.data(), root, &fixed, &FixedInfoSize) ||
        !VerQueryValueA(VersionData.data(), translation, &table, &tableSize)) {
        VersionSize = 0;
        return;
    }
    FixedInfo = static_cast<const VS_FIXEDFILEINFO*>(fixed);

    // The resource's own pairs say language 0 for "neutral"; its tables are read as US English.
    auto* pairs = static_cast<WORD*>(table);
    for (UINT i = 0; i < tableSize / 4; ++i)
        if (pairs[2 * i] == 0) pairs[2 * i] = kUsEnglish;

    const auto* bytes = static_cast<const std::uint8_t*>(table);
    for (const std::string& prefix : TranslationPrefixes(std::vector<std::uint8_t>(bytes, bytes + tableSize)))
        Translations.Add(prefix);
}

std::string TKSVersionInfo::GetValue(const std::string& name) const
{
    std::string result;
    if (!HasVersionInfo()) return result;
    for (std::int32_t i = 0; i < Translations.Count(); ++i) {
        std::string path = "\\StringFileInfo\\" + Translations.Get(i) + name;
        void* text = nullptr;
        UINT length = 0;
        // The reader does not change the block; the call's signature just is not const.
        if (VerQueryValueA(const_cast<std::uint8_t*>(VersionData.data()), path.data(), &text, &length) && text)
            result.assign(static_cast<const char*>(text), strnlen(static_cast<const char*>(text), length));
    }
    return result;
}

std::string TKSVersionInfo::GetStandardValue(std::int32_t index) const
{
    const std::string name = StandardValueName(index);
    return name.empty() ? std::string() : GetValue(name);
}

std::uint16_t TKSVersionInfo::GetVersionPart(std::int32_t& counter) const
{
    const std::int32_t index = counter++;
    if (!HasVersionInfo() || !FixedInfo || FixedInfoSize < sizeof(VS_FIXEDFILEINFO)) return 0;
    return VersionNumberAt(VersionNumbersOf(FixedInfo->dwFileVersionMS, FixedInfo->dwFileVersionLS), index);
}

std::string TKSVersionInfo::FormatVersion(const std::string& format) const
{
    if (!HasVersionInfo()) return std::string();
    TVersionNumbers numbers{};
    std::int32_t counter = 0;
    for (std::uint16_t& number : numbers) number = GetVersionPart(counter);
    return ::FormatVersion(format, numbers);
}
