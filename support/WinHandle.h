// Move-only owners for Win32 handles: one template, one small traits type per
// kind of handle, so nothing is ever closed by hand.
#pragma once
#include <windows.h>
#include <utility>

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle h) noexcept : handle_(h) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return Traits::IsValid(handle_); }

    // For APIs that return the handle through an out parameter.
    Handle* Receive() noexcept
    {
        Reset();
        return &handle_;
    }

    Handle Release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

    void Reset(Handle h = Traits::Invalid()) noexcept
    {
        if (Traits::IsValid(handle_)) Traits::Close(handle_);
        handle_ = h;
    }

private:
    Handle handle_ = Traits::Invalid();
};

template <typename H, H InvalidValue>
struct NullableTraits {
    using Handle = H;
    static Handle Invalid() noexcept { return InvalidValue; }
    static bool IsValid(Handle h) noexcept { return h != InvalidValue; }
};

struct KeyTraits : NullableTraits<HKEY, nullptr> {
    static void Close(HKEY h) noexcept { RegCloseKey(h); }
};
struct MenuTraits : NullableTraits<HMENU, nullptr> {
    static void Close(HMENU h) noexcept { DestroyMenu(h); }
};
struct IconTraits : NullableTraits<HICON, nullptr> {
    static void Close(HICON h) noexcept { DestroyIcon(h); }
};
template <typename H>
struct GdiObjectTraits {
    using Handle = H;
    static Handle Invalid() noexcept { return nullptr; }
    static bool IsValid(Handle h) noexcept { return h != nullptr; }
    static void Close(Handle h) noexcept { DeleteObject(h); }
};
struct MemoryDcTraits : NullableTraits<HDC, nullptr> {
    static void Close(HDC h) noexcept { DeleteDC(h); }
};
struct FindTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle h) noexcept { return h != INVALID_HANDLE_VALUE; }
    static void Close(Handle h) noexcept { FindClose(h); }
};
struct FileTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle h) noexcept { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void Close(Handle h) noexcept { CloseHandle(h); }
};
struct GlobalTraits : NullableTraits<HGLOBAL, nullptr> {
    static void Close(HGLOBAL h) noexcept { GlobalFree(h); }
};
struct LibraryTraits : NullableTraits<HMODULE, nullptr> {
    static void Close(HMODULE h) noexcept { FreeLibrary(h); }
};

// A COM interface pointer: one reference, released once.
template <typename Interface>
struct ComTraits : NullableTraits<Interface*, nullptr> {
    static void Close(Interface* p) noexcept { p->Release(); }
};

using UniqueKey = UniqueHandle<KeyTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueFind = UniqueHandle<FindTraits>;
using UniqueFile = UniqueHandle<FileTraits>;
using UniqueGlobal = UniqueHandle<GlobalTraits>;
using UniqueLibrary = UniqueHandle<LibraryTraits>;
template <typename Interface>
using UniqueCom = UniqueHandle<ComTraits<Interface>>;

// A window DC goes back to its window with ReleaseDC, so it carries the window.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetWindowDC(window)) {}
    ~WindowDc()
    {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// The clipboard while it is open.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) noexcept : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardScope()
    {
        if (open_) CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    explicit operator bool() const noexcept { return open_; }

private:
    bool open_;
};
