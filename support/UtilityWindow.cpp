#include "support/UtilityWindow.h"

#include <memory>

namespace {

constexpr char kClassName[] = "TPUtilWindow";

HINSTANCE ThisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ThisModule), &module);
    return module;
}

// The class uses the default procedure; each window gets its routing after creation.
void EnsureWindowClass(HINSTANCE module)
{
    WNDCLASSA existing{};
    const bool registered = GetClassInfoA(module, kClassName, &existing) != FALSE;
    if (registered && existing.lpfnWndProc == DefWindowProcA) return;
    if (registered) UnregisterClassA(kClassName, module);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = module;
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
}

TWndMethod* HandlerOf(HWND window)
{
    return reinterpret_cast<TWndMethod*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK RoutingProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TWndMethod* handler = HandlerOf(window);
    if (!handler) return DefWindowProcA(window, msg, wParam, lParam);
    // The last message of the window releases the routing, however it was destroyed.
    std::unique_ptr<TWndMethod> released;
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        released.reset(handler);
    }
    TMessage message{msg, wParam, lParam, 0};
    try {
        (*handler)(message);
    } catch (...) {
        // Nothing may leave a window procedure; the message counts as unhandled.
        return DefWindowProcA(window, msg, wParam, lParam);
    }
    return message.Result;
}

}  // namespace

HWND CreateUtilityWindow(TWndMethod handler)
{
    const HINSTANCE module = ThisModule();
    EnsureWindowClass(module);
    const HWND window =
        CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, module, nullptr);
    if (!window) return nullptr;
    auto owned = std::make_unique<TWndMethod>(std::move(handler));
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owned.release()));
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RoutingProc));
    return window;
}

void DestroyUtilityWindow(HWND window)
{
    // The handler receives the messages of the destruction too; the last one releases it.
    if (window) DestroyWindow(window);
}
