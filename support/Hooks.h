// Thread-local message and keyboard hooks shared by nested users: the caller
// keeps one handle and one use count per hook.
#pragma once
#include <windows.h>

// Installs the WH_GETMESSAGE hook on this thread when Count is 0; counts one use.
void AcquireMessageHook(HHOOK& Handle, int& Count, HOOKPROC Proc);

// The same with WH_KEYBOARD.
void AcquireKeyboardHook(HHOOK& Handle, int& Count, HOOKPROC Proc);

// Gives one use back; the last one removes the hook and clears Handle. A
// count that is already 0 is left alone.
void ReleaseHook(HHOOK& Handle, int& Count);
