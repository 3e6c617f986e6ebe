#include "support/FileTimes.h"

#include "support/DosDateTime.h"
#include "support/WinHandle.h"

namespace {

constexpr std::int32_t kNoDosTime = -1;

UniqueFile OpenForTimes(const std::string& name, DWORD flags)
{
    return UniqueFile(CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, flags, nullptr));
}

}  // namespace

std::int32_t GetFileDosTime(const std::string& Path)
{
    WIN32_FIND_DATAA found;
    {
        UniqueFind find(FindFirstFileA(Path.c_str(), &found));
        if (!find) return kNoDosTime;
    }
    FILETIME local;
    SYSTEMTIME fields;
    if (!FileTimeToLocalFileTime(&found.ftLastWriteTime, &local)) return kNoDosTime;
    if (!FileTimeToSystemTime(&local, &fields)) return kNoDosTime;
    // Encoded here rather than by FileTimeToDosDateTime, which does not refuse
    // years past 2107 on every system and then wraps them into the range.
    const std::optional<TDosDateTime> dos = EncodeDosDateTime(
        {fields.wYear, fields.wMonth, fields.wDay, fields.wHour, fields.wMinute, fields.wSecond});
    return dos ? static_cast<std::int32_t>(PackDosDateTime(*dos)) : kNoDosTime;
}

std::optional<FILETIME> DateTimeToUtcFileTime(const TLocalDateTime& Local)
{
    const std::optional<TDosDateTime> dos = EncodeDosDateTime(Local);
    if (!dos) return std::nullopt;
    FILETIME local;
    FILETIME utc;
    if (!DosDateTimeToFileTime(dos->Date, dos->Time, &local)) return std::nullopt;
    if (!LocalFileTimeToFileTime(&local, &utc)) return std::nullopt;
    return utc;
}

bool SetFileTimes(const std::string& Name, const std::optional<TLocalDateTime>& Created,
                  const std::optional<TLocalDateTime>& Accessed, const std::optional<TLocalDateTime>& Updated)
{
    try {
        // A read-only file fails. The system refuses to open one for writing,
        // but not for every user everywhere (not for a superuser under Wine),
        // so it is asked first. A folder's read-only flag means nothing here.
        const DWORD attributes = GetFileAttributesA(Name.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
            !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return false;

        UniqueFile file = OpenForTimes(Name, FILE_ATTRIBUTE_NORMAL);
        if (!file) file = OpenForTimes(Name, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS);
        if (!file) return false;

        // A stamp that is not given, or cannot be converted, goes in as a null
        // pointer, which leaves it unchanged.
        auto convert = [](const std::optional<TLocalDateTime>& time) {
            return time ? DateTimeToUtcFileTime(*time) : std::nullopt;
        };
        const std::optional<FILETIME> created = convert(Created);
        const std::optional<FILETIME> accessed = convert(Accessed);
        const std::optional<FILETIME> updated = convert(Updated);
        auto pointer = [](const std::optional<FILETIME>& time) { return time ? &*time : nullptr; };
        return SetFileTime(file.Get(), pointer(created), pointer(accessed), pointer(updated)) != FALSE;
    } catch (...) {
        return false;
    }
}
