// The error classes of the support library and the texts they carry.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

// The system's general error class: what() is the message shown to the user.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

class EListError : public Exception {
public:
    using Exception::Exception;
};
class EStringListError : public Exception {
public:
    using Exception::Exception;
};
class EStreamError : public Exception {
public:
    using Exception::Exception;
};
class EFCreateError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EFilerError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EReadError : public EFilerError {
public:
    using EFilerError::EFilerError;
};
class EWriteError : public EFilerError {
public:
    using EFilerError::EFilerError;
};

// Every message of the containers and streams, in one place.
namespace SupportText {
inline constexpr char kListIndexError[] = "List index out of bounds (%d)";
inline constexpr char kListCapacityError[] = "List capacity out of bounds (%d)";
inline constexpr char kListCountError[] = "List count out of bounds (%d)";
inline constexpr char kDuplicateString[] = "String list does not allow duplicates";
inline constexpr char kSortedListError[] = "Operation not allowed on sorted list";
inline constexpr char kReadError[] = "Stream read error";
inline constexpr char kWriteError[] = "Stream write error";
inline constexpr char kCreateError[] = "Cannot create file %s";
inline constexpr char kOpenError[] = "Cannot open file %s";
inline constexpr char kMemoryStreamError[] = "Out of memory while expanding memory stream";
inline constexpr char kSeekNotImplemented[] = "%s.Seek not implemented";
}  // namespace SupportText

// The message with its first "%s" replaced by the text (or "%d" by the number).
std::string FormatMessageText(const char* pattern, const std::string& text);
std::string FormatMessageText(const char* pattern, std::int32_t number);
