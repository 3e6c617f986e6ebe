#include "support/ItemIdLists.h"

#include <cstring>

#include "support/Errors.h"

namespace {

constexpr UINT kTerminatorSize = sizeof(USHORT);

UniqueCom<IMalloc> ShellAllocator()
{
    UniqueCom<IMalloc> allocator;
    if (FAILED(SHGetMalloc(allocator.Receive())) || !allocator) throw Exception("The shell allocator is not available");
    return allocator;
}

}  // namespace

void ItemIdListTraits::Close(LPITEMIDLIST list) noexcept
{
    UniqueCom<IMalloc> allocator;
    if (SUCCEEDED(SHGetMalloc(allocator.Receive())) && allocator) allocator.Get()->Free(list);
}

UINT ItemIdListSize(LPCITEMIDLIST List)
{
    if (!List) return 0;
    UINT size = kTerminatorSize;
    for (LPCITEMIDLIST item = List; item->mkid.cb != 0; item = NextItemId(item)) size += item->mkid.cb;
    return size;
}

LPCITEMIDLIST NextItemId(LPCITEMIDLIST Item)
{
    return reinterpret_cast<LPCITEMIDLIST>(reinterpret_cast<const BYTE*>(Item) + Item->mkid.cb);
}

void* ShellAlloc(UINT Size)
{
    void* block = ShellAllocator().Get()->Alloc(Size);
    if (block) std::memset(block, 0, Size);
    return block;
}

UniqueItemIdList JoinItemIdLists(LPCITEMIDLIST First, LPCITEMIDLIST Second)
{
    const UINT firstSize = First ? ItemIdListSize(First) - kTerminatorSize : 0;
    const UINT secondSize = ItemIdListSize(Second);
    UniqueItemIdList joined(static_cast<LPITEMIDLIST>(ShellAlloc(firstSize + secondSize)));
    if (!joined) return joined;
    BYTE* bytes = reinterpret_cast<BYTE*>(joined.Get());
    if (First) std::memcpy(bytes, First, firstSize);
    if (Second) std::memcpy(bytes + firstSize, Second, secondSize);
    return joined;
}

void FreeItemIdList(void* List)
{
    ShellAllocator().Get()->Free(List);
}

UniqueCom<IShellFolder> GetDesktopFolder()
{
    UniqueCom<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Receive())) || !desktop) throw Exception("The desktop folder is not available");
    return desktop;
}
