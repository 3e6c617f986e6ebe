#include "support/Clipboard.h"

#include <windows.h>

#include <cstring>

#include "support/WinHandle.h"

bool CopyTextToClipboard(const std::string& Text, unsigned Format)
{
    try {
        OpenClipboardScope clipboard(nullptr);
        if (!clipboard) return false;
        EmptyClipboard();

        UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, Text.size() + 1));
        if (!block) return false;
        void* bytes = GlobalLock(block.Get());
        if (!bytes) return false;
        std::memcpy(bytes, Text.c_str(), Text.size() + 1);
        GlobalUnlock(block.Get());

        if (!SetClipboardData(Format, block.Get())) return false;
        block.Release();  // the clipboard owns the block now
        return true;
    } catch (...) {
        return false;
    }
}
