#include "support/Streams.h"

#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

#include "support/Errors.h"
#include "support/StreamsFile.h"

namespace {

// Memory blocks grow in steps of this many bytes, so a run of small writes
// does not copy the block every time.
constexpr std::int64_t kMemoryDelta = 0x2000;

constexpr std::int64_t kMaxStreamSize = std::numeric_limits<std::int32_t>::max();

}  // namespace

// --- TStream ---------------------------------------------------------------

TStream::~TStream() = default;

std::int32_t TStream::Seek(std::int32_t, std::uint16_t)
{
    throw EStreamError(FormatMessageText(SupportText::kSeekNotImplemented, ClassName()));
}

std::int32_t TStream::GetPosition()
{
    return Seek(0, soFromCurrent);
}

void TStream::SetPosition(std::int32_t position)
{
    Seek(position, soFromBeginning);
}

std::int32_t TStream::GetSize()
{
    const std::int32_t position = Seek(0, soFromCurrent);
    const std::int32_t size = Seek(0, soFromEnd);
    Seek(position, soFromBeginning);
    return size;
}

void TStream::ReadBuffer(void* buffer, std::int32_t count)
{
    if (count > 0 && Read(buffer, count) != count) throw EReadError(SupportText::kReadError);
}

void TStream::WriteBuffer(const void* buffer, std::int32_t count)
{
    if (count > 0 && Write(buffer, count) != count) throw EWriteError(SupportText::kWriteError);
}

// --- TCustomMemoryStream ---------------------------------------------------

void TCustomMemoryStream::SetPointer(void* memory, std::int32_t size) noexcept
{
    memory_ = memory;
    size_ = size;
}

std::int32_t TCustomMemoryStream::Read(void* buffer, std::int32_t count)
{
    // A position before the start or at or past the end yields nothing.
    if (position_ < 0 || count <= 0 || position_ >= size_) return 0;
    const std::int32_t available = size_ - position_;
    const std::int32_t taken = count < available ? count : available;
    std::memcpy(buffer, static_cast<const std::uint8_t*>(memory_) + position_, taken);
    position_ += taken;
    return taken;
}

std::int32_t TCustomMemoryStream::Seek(std::int32_t offset, std::uint16_t origin)
{
    std::int64_t base;
    switch (origin) {
    case soFromBeginning: base = 0; break;
    case soFromCurrent: base = position_; break;
    case soFromEnd: base = size_; break;
    default: return position_;
    }
    // Positions are 32-bit; a sum beyond that range wraps as the original did.
    position_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(base + offset));
    return position_;
}

void TCustomMemoryStream::SaveToStream(TStream& stream)
{
    if (size_ != 0) stream.WriteBuffer(memory_, size_);
}

void TCustomMemoryStream::SaveToFile(const std::string& name)
{
    TFileStream file(name, fmCreate);
    SaveToStream(file);
}

// --- TMemoryStream ---------------------------------------------------------

void TMemoryStream::SetCapacity(std::int32_t capacity)
{
    if (capacity < 0) throw EStreamError(SupportText::kMemoryStreamError);
    std::int64_t rounded = (capacity + kMemoryDelta - 1) / kMemoryDelta * kMemoryDelta;
    if (rounded > kMaxStreamSize) rounded = kMaxStreamSize;
    try {
        block_.resize(static_cast<std::size_t>(rounded));
        if (rounded == 0) block_.shrink_to_fit();
    } catch (const std::bad_alloc&) {
        throw EStreamError(SupportText::kMemoryStreamError);
    } catch (const std::length_error&) {
        throw EStreamError(SupportText::kMemoryStreamError);
    }
    SetPointer(block_.empty() ? nullptr : block_.data(), Size() < capacity ? Size() : capacity);
}

void TMemoryStream::SetSize(std::int32_t size)
{
    SetCapacity(size);
    SetPointer(Memory(), size);
    if (position_ > size) position_ = size;
}

void TMemoryStream::Clear()
{
    SetCapacity(0);
    position_ = 0;
}

std::int32_t TMemoryStream::Write(const void* buffer, std::int32_t count)
{
    if (position_ < 0 || count <= 0) return 0;
    const std::int64_t end = static_cast<std::int64_t>(position_) + count;
    if (end > kMaxStreamSize) throw EStreamError(SupportText::kMemoryStreamError);
    const auto newEnd = static_cast<std::int32_t>(end);
    if (newEnd > Size()) {
        if (newEnd > Capacity()) SetCapacity(newEnd);
        SetPointer(Memory(), newEnd);
    }
    std::memcpy(static_cast<std::uint8_t*>(Memory()) + position_, buffer, count);
    position_ = newEnd;
    return count;
}

void TMemoryStream::LoadFromStream(TStream& stream)
{
    // The size and the start in two seeks, where the position and the size
    // each alone would take four: a file stream pays a system call for each.
    const std::int32_t count = stream.Seek(0, soFromEnd);
    stream.SetPosition(0);
    SetSize(count);
    stream.ReadBuffer(Memory(), count);
    position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& name)
{
    TFileStream file(name, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

// --- THandleStream and TFileStream -----------------------------------------

std::int32_t THandleStream::Read(void* buffer, std::int32_t count)
{
    if (count <= 0) return 0;
    const std::int32_t done = StreamsFile::Read(handle_, buffer, count);
    return done < 0 ? 0 : done;
}

std::int32_t THandleStream::Write(const void* buffer, std::int32_t count)
{
    if (count <= 0) return 0;
    const std::int32_t done = StreamsFile::Write(handle_, buffer, count);
    return done < 0 ? 0 : done;
}

std::int32_t THandleStream::Seek(std::int32_t offset, std::uint16_t origin)
{
    return StreamsFile::Seek(handle_, offset, origin);
}

namespace {

TFileHandle OpenOrCreate(const std::string& name, std::uint16_t mode)
{
    TFileHandle handle{};
    if (mode == fmCreate) {
        if (!StreamsFile::Create(name, handle))
            throw EFCreateError(FormatMessageText(SupportText::kCreateError, name));
    } else if (!StreamsFile::Open(name, mode, handle)) {
        throw EFOpenError(FormatMessageText(SupportText::kOpenError, name));
    }
    return handle;
}

}  // namespace

TFileStream::TFileStream(const std::string& name, std::uint16_t mode)
    : THandleStream(OpenOrCreate(name, mode))
{
}

TFileStream::~TFileStream()
{
    StreamsFile::Close(handle_);
}
