// Byte streams: the abstract stream, memory streams and file streams.
// Portable: the file handle is the platform's own, behind StreamsFile.h.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Access in the low nibble, sharing in the high one; fmCreate creates or truncates.
inline constexpr std::uint16_t fmCreate = 0xFFFF;
inline constexpr std::uint16_t fmOpenRead = 0x0000;
inline constexpr std::uint16_t fmOpenWrite = 0x0001;
inline constexpr std::uint16_t fmOpenReadWrite = 0x0002;
inline constexpr std::uint16_t fmShareCompat = 0x0000;
inline constexpr std::uint16_t fmShareExclusive = 0x0010;
inline constexpr std::uint16_t fmShareDenyWrite = 0x0020;
inline constexpr std::uint16_t fmShareDenyRead = 0x0030;
inline constexpr std::uint16_t fmShareDenyNone = 0x0040;

inline constexpr std::uint16_t soFromBeginning = 0;
inline constexpr std::uint16_t soFromCurrent = 1;
inline constexpr std::uint16_t soFromEnd = 2;

#ifdef _WIN32
using TFileHandle = void*;  // a Win32 HANDLE
#else
using TFileHandle = int;  // a POSIX file descriptor
#endif

class TStream {
public:
    virtual ~TStream();
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;

    // Bytes actually transferred; never raises for a short transfer.
    virtual std::int32_t Read(void* buffer, std::int32_t count) = 0;
    virtual std::int32_t Write(const void* buffer, std::int32_t count) = 0;
    // Returns the new position. A stream without its own seek raises EStreamError.
    virtual std::int32_t Seek(std::int32_t offset, std::uint16_t origin);
    virtual std::string ClassName() const { return "TStream"; }

    std::int32_t GetPosition();
    void SetPosition(std::int32_t position);
    std::int32_t GetSize();

    // All or nothing: a short transfer raises EReadError / EWriteError.
    void ReadBuffer(void* buffer, std::int32_t count);
    void WriteBuffer(const void* buffer, std::int32_t count);
};

// A stream over a memory block that a subclass provides.
class TCustomMemoryStream : public TStream {
public:
    std::int32_t Read(void* buffer, std::int32_t count) override;
    std::int32_t Seek(std::int32_t offset, std::uint16_t origin) override;
    std::string ClassName() const override { return "TCustomMemoryStream"; }

    void* Memory() const noexcept { return memory_; }
    std::int32_t Size() const noexcept { return size_; }

    void SaveToStream(TStream& stream);
    void SaveToFile(const std::string& name);

protected:
    void SetPointer(void* memory, std::int32_t size) noexcept;
    std::int32_t position_ = 0;

private:
    void* memory_ = nullptr;
    std::int32_t size_ = 0;
};

// A growable memory stream that owns its block.
class TMemoryStream : public TCustomMemoryStream {
public:
    std::int32_t Write(const void* buffer, std::int32_t count) override;
    std::string ClassName() const override { return "TMemoryStream"; }

    void SetSize(std::int32_t size);
    void Clear();
    std::int32_t Capacity() const noexcept { return static_cast<std::int32_t>(block_.size()); }

    // Replaces the contents with the whole stream or file; the position goes to 0.
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::string& name);

private:
    void SetCapacity(std::int32_t capacity);
    std::vector<std::uint8_t> block_;
};

// A stream over an operating-system file handle that someone else owns.
class THandleStream : public TStream {
public:
    explicit THandleStream(TFileHandle handle) noexcept : handle_(handle) {}
    std::int32_t Read(void* buffer, std::int32_t count) override;
    std::int32_t Write(const void* buffer, std::int32_t count) override;
    std::int32_t Seek(std::int32_t offset, std::uint16_t origin) override;
    std::string ClassName() const override { return "THandleStream"; }

    TFileHandle Handle() const noexcept { return handle_; }

protected:
    TFileHandle handle_;
};

// A stream over a named file; it owns the handle and closes it on destruction.
class TFileStream : public THandleStream {
public:
    TFileStream(const std::string& name, std::uint16_t mode);
    ~TFileStream() override;
    std::string ClassName() const override { return "TFileStream"; }
};
