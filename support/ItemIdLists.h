// Shell item-ID lists: items that each start with their 16-bit byte size,
// ended by a zero size; blocks come from the shell's allocator.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include "support/WinHandle.h"

struct ItemIdListTraits : NullableTraits<LPITEMIDLIST, nullptr> {
    static void Close(LPITEMIDLIST list) noexcept;
};
using UniqueItemIdList = UniqueHandle<ItemIdListTraits>;

// Total size in bytes with the 2-byte terminator; 0 for no list.
UINT ItemIdListSize(LPCITEMIDLIST List);

// The item that follows Item.
LPCITEMIDLIST NextItemId(LPCITEMIDLIST Item);

// Size bytes from the shell's allocator, zero-filled; null when it has none.
// Raises Exception when the allocator cannot be had. The caller frees it.
void* ShellAlloc(UINT Size);

// A new list: the items of First followed by Second with its terminator (a
// copy of Second when there is no First); empty when no memory is had.
UniqueItemIdList JoinItemIdLists(LPCITEMIDLIST First, LPCITEMIDLIST Second);

// Gives the block back to the shell's allocator; raises Exception when the
// allocator cannot be had.
void FreeItemIdList(void* List);

// The desktop's shell folder; raises Exception when the shell gives none.
UniqueCom<IShellFolder> GetDesktopFolder();
