// The file calls behind THandleStream and TFileStream, one implementation per
// platform (StreamsWin.cpp, StreamsPosix.cpp). Failures are reported as values:
// false for open and create, -1 for read, write and seek.
#pragma once
#include "support/Streams.h"

namespace StreamsFile {

bool Create(const std::string& name, TFileHandle& handle);
bool Open(const std::string& name, std::uint16_t mode, TFileHandle& handle);
void Close(TFileHandle handle) noexcept;
std::int32_t Read(TFileHandle handle, void* buffer, std::int32_t count);
std::int32_t Write(TFileHandle handle, const void* buffer, std::int32_t count);
std::int32_t Seek(TFileHandle handle, std::int32_t offset, std::uint16_t origin);

}  // namespace StreamsFile
