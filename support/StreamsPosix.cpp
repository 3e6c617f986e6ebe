// POSIX file calls for the streams. Sharing modes have no POSIX counterpart
// and are only checked for validity.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "support/StreamsFile.h"

namespace StreamsFile {

namespace {

bool KeepIfRegular(int fd, TFileHandle& handle)
{
    struct stat info {};
    if (fd < 0) return false;
    if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return false;
    }
    handle = fd;
    return true;
}

}  // namespace

bool Create(const std::string& name, TFileHandle& handle)
{
    return KeepIfRegular(::open(name.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666), handle);
}

bool Open(const std::string& name, std::uint16_t mode, TFileHandle& handle)
{
    static constexpr int kAccess[] = {O_RDONLY, O_WRONLY, O_RDWR};
    const unsigned access = mode & 0x0F;
    const unsigned share = (mode & 0xF0) >> 4;
    if (access > 2 || share > 4) return false;
    return KeepIfRegular(::open(name.c_str(), kAccess[access] | O_CLOEXEC), handle);
}

void Close(TFileHandle handle) noexcept
{
    ::close(handle);
}

std::int32_t Read(TFileHandle handle, void* buffer, std::int32_t count)
{
    std::int32_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(handle, static_cast<char*>(buffer) + done, count - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return done == 0 ? -1 : done;
        if (got == 0) break;
        done += static_cast<std::int32_t>(got);
    }
    return done;
}

std::int32_t Write(TFileHandle handle, const void* buffer, std::int32_t count)
{
    std::int32_t done = 0;
    while (done < count) {
        const ssize_t put = ::write(handle, static_cast<const char*>(buffer) + done, count - done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return done == 0 ? -1 : done;
        done += static_cast<std::int32_t>(put);
    }
    return done;
}

std::int32_t Seek(TFileHandle handle, std::int32_t offset, std::uint16_t origin)
{
    static constexpr int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (origin > 2) return -1;
    const off_t position = ::lseek(handle, offset, kWhence[origin]);
    if (position < 0 || position > std::numeric_limits<std::int32_t>::max()) return -1;
    return static_cast<std::int32_t>(position);
}

}  // namespace StreamsFile
