#include "support/ItemIdLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

#include "support/Errors.h"

namespace {

// A list made by hand: items of the given sizes (each at least 2 bytes),
// then the terminator.
std::vector<BYTE> HandMadeList(const std::vector<USHORT>& sizes)
{
    std::vector<BYTE> bytes;
    BYTE fill = 1;
    for (USHORT size : sizes) {
        bytes.push_back(static_cast<BYTE>(size & 0xFF));
        bytes.push_back(static_cast<BYTE>(size >> 8));
        for (USHORT i = 2; i < size; ++i) bytes.push_back(fill);
        ++fill;
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

LPCITEMIDLIST AsList(const std::vector<BYTE>& bytes)
{
    return reinterpret_cast<LPCITEMIDLIST>(bytes.data());
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The desktop-relative list of a file system path, and a folder's child list.
UniqueItemIdList Parse(IShellFolder* folder, const std::string& name)
{
    std::wstring wide(name.begin(), name.end());
    LPITEMIDLIST list = nullptr;
    ULONG eaten = 0;
    EXPECT_EQ(folder->ParseDisplayName(nullptr, nullptr, &wide[0], &eaten, &list, nullptr), S_OK) << name;
    return UniqueItemIdList(list);
}

}  // namespace

TEST(ItemIdListSize, CountsEveryItemAndTheTerminator)
{
    EXPECT_EQ(ItemIdListSize(nullptr), 0u);
    const std::vector<BYTE> empty = HandMadeList({});
    EXPECT_EQ(ItemIdListSize(AsList(empty)), 2u);
    const std::vector<BYTE> three = HandMadeList({4, 10, 3});
    EXPECT_EQ(ItemIdListSize(AsList(three)), 19u);
}

TEST(NextItemId, StepsOverOneItem)
{
    const std::vector<BYTE> list = HandMadeList({4, 10});
    LPCITEMIDLIST second = NextItemId(AsList(list));
    EXPECT_EQ(reinterpret_cast<const BYTE*>(second), list.data() + 4);
    EXPECT_EQ(second->mkid.cb, 10);
    EXPECT_EQ(NextItemId(second)->mkid.cb, 0);
}

TEST(ShellAlloc, GivesZeroedMemoryThatTheShellTakesBack)
{
    void* block = ShellAlloc(64);
    ASSERT_NE(block, nullptr);
    const BYTE* bytes = static_cast<const BYTE*>(block);
    EXPECT_TRUE(std::all_of(bytes, bytes + 64, [](BYTE b) { return b == 0; }));
    EXPECT_NO_THROW(FreeItemIdList(block));
}

TEST(JoinItemIdLists, PutsTheSecondListAfterTheItemsOfTheFirst)
{
    const std::vector<BYTE> first = HandMadeList({4, 6});
    const std::vector<BYTE> second = HandMadeList({5});
    UniqueItemIdList joined = JoinItemIdLists(AsList(first), AsList(second));
    ASSERT_TRUE(joined);
    EXPECT_EQ(ItemIdListSize(joined.Get()), 4u + 6u + 5u + 2u);
    const BYTE* bytes = reinterpret_cast<const BYTE*>(joined.Get());
    EXPECT_EQ(std::memcmp(bytes, first.data(), 10), 0);
    EXPECT_EQ(std::memcmp(bytes + 10, second.data(), second.size()), 0);

    UniqueItemIdList copy = JoinItemIdLists(nullptr, AsList(second));
    ASSERT_TRUE(copy);
    EXPECT_EQ(ItemIdListSize(copy.Get()), second.size());
    EXPECT_NE(reinterpret_cast<const BYTE*>(copy.Get()), second.data());
    EXPECT_EQ(std::memcmp(copy.Get(), second.data(), second.size()), 0);
}

TEST(JoinItemIdLists, AFolderListAndAChildListMakeTheChildsAbsoluteList)
{
    char windows[MAX_PATH + 1] = {};
    GetWindowsDirectoryA(windows, sizeof windows);

    UniqueCom<IShellFolder> desktop = GetDesktopFolder();
    ASSERT_TRUE(desktop);
    UniqueItemIdList folderList = Parse(desktop.Get(), windows);
    ASSERT_TRUE(folderList);

    UniqueCom<IShellFolder> folder;
    ASSERT_EQ(desktop.Get()->BindToObject(folderList.Get(), nullptr, IID_IShellFolder,
                                          reinterpret_cast<void**>(folder.Receive())),
              S_OK);
    UniqueItemIdList childList = Parse(folder.Get(), "system32");
    ASSERT_TRUE(childList);

    UniqueItemIdList absolute = JoinItemIdLists(folderList.Get(), childList.Get());
    ASSERT_TRUE(absolute);
    char path[MAX_PATH + 1] = {};
    ASSERT_TRUE(SHGetPathFromIDListA(absolute.Get(), path));
    EXPECT_EQ(Lower(path), Lower(std::string(windows) + "\\system32"));
}

TEST(GetDesktopFolder, GivesTheDesktopsShellFolder)
{
    UniqueCom<IShellFolder> desktop = GetDesktopFolder();
    ASSERT_TRUE(desktop);
    // The desktop's own list is empty; its display name parses to the folder of C:.
    UniqueItemIdList drive = Parse(desktop.Get(), "C:\\");
    char path[MAX_PATH + 1] = {};
    ASSERT_TRUE(SHGetPathFromIDListA(drive.Get(), path));
    EXPECT_EQ(Lower(path), "c:\\");
}
