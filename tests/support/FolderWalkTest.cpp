#include "support/FolderWalk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <vector>

#include "tests/support/WinTestSupport.h"

using wintest::TempFolder;

namespace {

std::string CurrentFolder()
{
    char path[MAX_PATH + 1];
    GetCurrentDirectoryA(sizeof path, path);
    return path;
}

// What a walk saw: each entry's name with the folder it was seen from.
struct Seen {
    std::string Folder;
    std::string Name;
    std::uint32_t Attr;
};

class FolderWalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // root: a.txt b.txt sub1/ (c.txt sub2/ (d.txt)) sub3/ (e.dat)
        folder_.MakeFile("a.txt");
        folder_.MakeFile("b.txt");
        folder_.MakeFolder("sub1");
        folder_.MakeFile("sub1\\c.txt");
        folder_.MakeFolder("sub1\\sub2");
        folder_.MakeFile("sub1\\sub2\\d.txt");
        folder_.MakeFolder("sub3");
        folder_.MakeFile("sub3\\e.dat");
        previous_ = CurrentFolder();
        ASSERT_TRUE(SetCurrentDirectoryA(folder_.Path().c_str()));
        root_ = CurrentFolder();
    }
    void TearDown() override { SetCurrentDirectoryA(previous_.c_str()); }

    std::vector<Seen> Walk(const std::string& mask, bool recurse, std::size_t stopAfter = SIZE_MAX)
    {
        std::vector<Seen> seen;
        result_ = WalkFolder(mask, recurse, [&](const WalkItem& item) {
            seen.push_back({CurrentFolder(), item.Name, item.Attr});
            return seen.size() < stopAfter;
        });
        return seen;
    }
    std::string Below(const std::string& relative) const { return root_ + "\\" + relative; }

    TempFolder folder_;
    std::string previous_;
    std::string root_;
    bool result_ = false;
};

std::set<std::string> Names(const std::vector<Seen>& seen, std::size_t from, std::size_t to)
{
    std::set<std::string> names;
    for (std::size_t i = from; i < to; ++i) names.insert(seen[i].Name);
    return names;
}

}  // namespace

TEST_F(FolderWalkTest, WithoutRecursionTheFolderItselfComesFirstAndNeverItsParent)
{
    const std::vector<Seen> seen = Walk("*.*", false);
    EXPECT_TRUE(result_);
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0].Name, ".");
    EXPECT_NE(seen[0].Attr & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(Names(seen, 1, seen.size()), (std::set<std::string>{"a.txt", "b.txt", "sub1", "sub3"}));
    for (const Seen& s : seen) {
        EXPECT_EQ(s.Folder, root_);
        const bool isFolder = (s.Attr & FILE_ATTRIBUTE_DIRECTORY) != 0;
        EXPECT_EQ(isFolder, s.Name == "." || s.Name.rfind("sub", 0) == 0) << s.Name;
    }
    EXPECT_EQ(CurrentFolder(), root_);
}

TEST_F(FolderWalkTest, TheEntriesComeInTheFileSystemsOrder)
{
    std::vector<std::string> listed;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA("*.*", &entry);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    do {
        if (std::string(entry.cFileName) != "..") listed.push_back(entry.cFileName);
    } while (FindNextFileA(find, &entry));
    FindClose(find);

    std::vector<std::string> walked;
    for (const Seen& s : Walk("*.*", false)) walked.push_back(s.Name);
    EXPECT_EQ(walked, listed);
}

TEST_F(FolderWalkTest, WithRecursionAllEntriesOfAFolderComeBeforeItsSubfolders)
{
    const std::vector<Seen> seen = Walk("*.*", true);
    EXPECT_TRUE(result_);
    // Root: . + 4 entries; sub1: . + 2; sub2: . + 1; sub3: . + 1.
    ASSERT_EQ(seen.size(), 12u);

    const std::size_t rootEnd = 5;
    for (std::size_t i = 0; i < rootEnd; ++i) EXPECT_EQ(seen[i].Folder, root_) << seen[i].Name;
    EXPECT_EQ(seen[rootEnd].Name, ".");

    // Each subfolder is seen as an entry of its parent, then as "." from inside.
    for (const char* sub : {"sub1", "sub1\\sub2", "sub3"}) {
        SCOPED_TRACE(sub);
        const auto inside = std::find_if(seen.begin(), seen.end(),
                                         [&](const Seen& s) { return s.Folder == Below(sub); });
        ASSERT_NE(inside, seen.end());
        EXPECT_EQ(inside->Name, ".");
        // Every entry of this folder comes right after its ".", before any deeper folder.
        const std::size_t first = static_cast<std::size_t>(inside - seen.begin());
        std::size_t count = 0;
        for (std::size_t i = first; i < seen.size() && seen[i].Folder == Below(sub); ++i) ++count;
        const std::size_t total =
            static_cast<std::size_t>(std::count_if(seen.begin(), seen.end(), [&](const Seen& s) {
                return s.Folder == Below(sub);
            }));
        EXPECT_EQ(count, total);
    }
    // sub2 lies inside sub1: it is walked after sub1's own entries and before sub1 is left.
    const auto sub1 = std::find_if(seen.begin(), seen.end(), [&](const Seen& s) { return s.Folder == Below("sub1"); });
    const auto sub2 =
        std::find_if(seen.begin(), seen.end(), [&](const Seen& s) { return s.Folder == Below("sub1\\sub2"); });
    EXPECT_EQ(sub2 - sub1, 3);
    for (const Seen& s : seen) EXPECT_NE(s.Name, "..");
    EXPECT_EQ(CurrentFolder(), root_);
}

TEST_F(FolderWalkTest, TheMaskPicksTheEntriesButEverySubfolderIsEntered)
{
    const std::vector<Seen> seen = Walk("*.txt", true);
    EXPECT_TRUE(result_);
    std::vector<std::string> names;
    for (const Seen& s : seen) names.push_back(s.Folder.substr(root_.size()) + "|" + s.Name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"\\sub1\\sub2|d.txt", "\\sub1|c.txt", "|a.txt", "|b.txt"}));
    // Files of the root come before the files below it.
    EXPECT_EQ(seen[0].Folder, root_);
    EXPECT_EQ(seen[1].Folder, root_);
}

TEST_F(FolderWalkTest, ACallbackThatSaysStopEndsTheWalkAndItsResultIsFalse)
{
    for (std::size_t stopAfter : {1u, 3u, 6u, 8u}) {
        SCOPED_TRACE(stopAfter);
        const std::vector<Seen> seen = Walk("*.*", true, stopAfter);
        EXPECT_FALSE(result_);
        EXPECT_EQ(seen.size(), stopAfter);
        EXPECT_EQ(CurrentFolder(), root_);
    }
}

TEST_F(FolderWalkTest, AnErrorInTheCallbackLeavesTheStartingFolderCurrent)
{
    EXPECT_THROW(WalkFolder("*.*", true,
                            [&](const WalkItem& item) {
                                if (CurrentFolder() == Below("sub1\\sub2") && item.Name == "d.txt")
                                    throw std::runtime_error("stop");
                                return true;
                            }),
                 std::runtime_error);
    EXPECT_EQ(CurrentFolder(), root_);
    // The listings were closed: the tree can be removed and made again.
    wintest::RemoveTree(Below("sub1"));
    EXPECT_EQ(GetFileAttributesA(Below("sub1").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FolderWalkTest, AnEmptyMatchGivesNothingAndTrue)
{
    EXPECT_TRUE(Walk("*.none", false).empty());
    EXPECT_TRUE(result_);
}
