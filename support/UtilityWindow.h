// A hidden window whose every message goes to a handler object, for objects
// that need to receive window messages.
#pragma once
#include <windows.h>

#include <functional>

#include "support/WinHandle.h"

// One message: the handler sets Result, which the window procedure returns.
struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

using TWndMethod = std::function<void(TMessage&)>;

// A window of the class "TPUtilWindow" routed to handler; nullptr on failure.
HWND CreateUtilityWindow(TWndMethod handler);

// Destroys the window and releases its routing.
void DestroyUtilityWindow(HWND window);

struct UtilityWindowTraits : NullableTraits<HWND, nullptr> {
    static void Close(HWND window) noexcept { DestroyUtilityWindow(window); }
};
using UniqueUtilityWindow = UniqueHandle<UtilityWindowTraits>;
