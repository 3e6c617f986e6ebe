// Win32 file calls for the streams.
#include <windows.h>

#include "support/StreamsFile.h"

namespace StreamsFile {

bool Create(const std::string& name, TFileHandle& handle)
{
    const HANDLE file = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    handle = file;
    return true;
}

bool Open(const std::string& name, std::uint16_t mode, TFileHandle& handle)
{
    static constexpr DWORD kAccess[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE};
    // Compatibility, exclusive, deny write, deny read, deny none.
    static constexpr DWORD kShare[] = {0, 0, FILE_SHARE_READ, FILE_SHARE_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE};
    const unsigned access = mode & 0x0F;
    const unsigned share = (mode & 0xF0) >> 4;
    if (access > 2 || share > 4) return false;
    const HANDLE file = CreateFileA(name.c_str(), kAccess[access], kShare[share], nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    handle = file;
    return true;
}

void Close(TFileHandle handle) noexcept
{
    CloseHandle(handle);
}

std::int32_t Read(TFileHandle handle, void* buffer, std::int32_t count)
{
    DWORD done = 0;
    if (!ReadFile(handle, buffer, static_cast<DWORD>(count), &done, nullptr)) return -1;
    return static_cast<std::int32_t>(done);
}

std::int32_t Write(TFileHandle handle, const void* buffer, std::int32_t count)
{
    DWORD done = 0;
    if (!WriteFile(handle, buffer, static_cast<DWORD>(count), &done, nullptr)) return -1;
    return static_cast<std::int32_t>(done);
}

std::int32_t Seek(TFileHandle handle, std::int32_t offset, std::uint16_t origin)
{
    static constexpr DWORD kMethod[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
    if (origin > 2) return -1;
    const DWORD position = SetFilePointer(handle, offset, nullptr, kMethod[origin]);
    if (position == INVALID_SET_FILE_POINTER) return -1;
    return static_cast<std::int32_t>(position);
}

}  // namespace StreamsFile
