#include "config/ProgramSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "support/ModulePaths.h"
#include "tests/support/WinTestSupport.h"

using wintest::TempFolder;

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// Sets PATH and the current folder for one test and puts them back.
class SearchPlaces : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = GetEnvVar("PATH");
        char current[MAX_PATH + 1];
        GetCurrentDirectoryA(sizeof current, current);
        current_ = current;
    }
    void TearDown() override
    {
        SetEnvironmentVariableA("PATH", path_.c_str());
        SetCurrentDirectoryA(current_.c_str());
    }

    std::string path_;
    std::string current_;
    TempFolder folder_;
};

}  // namespace

TEST_F(SearchPlaces, FindsTheSystemsNotepadOnThePath)
{
    const std::string found = SearchProgramFile("NOTEPAD.EXE");
    ASSERT_FALSE(found.empty());
    EXPECT_NE(GetFileAttributesA(found.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Lower(found.substr(found.size() - 12)), "\\notepad.exe");
}

TEST_F(SearchPlaces, TheCurrentFolderComesFirstThenThePathInOrder)
{
    folder_.MakeFolder("one");
    folder_.MakeFolder("two");
    folder_.MakeFolder("here");
    folder_.MakeFile("two\\tool.exe");
    folder_.MakeFile("one\\other.exe");
    const std::string path = ";" + (folder_ / "one") + ";;" + (folder_ / "two") + "\\";
    ASSERT_TRUE(SetEnvironmentVariableA("PATH", path.c_str()));
    ASSERT_TRUE(SetCurrentDirectoryA((folder_ / "here").c_str()));

    EXPECT_EQ(SearchProgramFile("tool.exe"), folder_ / "two\\tool.exe");
    EXPECT_EQ(SearchProgramFile("other.exe"), folder_ / "one\\other.exe");
    EXPECT_EQ(SearchProgramFile("missing.exe"), "");

    folder_.MakeFile("here\\tool.exe");
    EXPECT_EQ(SearchProgramFile("tool.exe"), "tool.exe");
}

TEST_F(SearchPlaces, AFolderOfTheNameDoesNotCount)
{
    folder_.MakeFolder("dir\\tool.exe");
    folder_.MakeFolder("bin");
    folder_.MakeFile("bin\\tool.exe");
    ASSERT_TRUE(SetEnvironmentVariableA("PATH", ((folder_ / "dir") + ";" + (folder_ / "bin")).c_str()));
    EXPECT_EQ(SearchProgramFile("tool.exe"), folder_ / "bin\\tool.exe");
}
