#include "support/Hooks.h"

namespace {

void AcquireHook(int kind, HHOOK& handle, int& count, HOOKPROC proc)
{
    if (count == 0) handle = SetWindowsHookExA(kind, proc, nullptr, GetCurrentThreadId());
    ++count;
}

}  // namespace

void AcquireMessageHook(HHOOK& Handle, int& Count, HOOKPROC Proc)
{
    AcquireHook(WH_GETMESSAGE, Handle, Count, Proc);
}

void AcquireKeyboardHook(HHOOK& Handle, int& Count, HOOKPROC Proc)
{
    AcquireHook(WH_KEYBOARD, Handle, Count, Proc);
}

void ReleaseHook(HHOOK& Handle, int& Count)
{
    if (Count <= 0) return;
    if (--Count == 0) {
        if (Handle) UnhookWindowsHookEx(Handle);
        Handle = nullptr;
    }
}
