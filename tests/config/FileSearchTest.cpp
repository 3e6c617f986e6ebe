#include "config/FileSearch.h"

#include <gtest/gtest.h>

#include <set>

TEST(FileSearchCandidates, TriesTheNameThenEachPathFolder)
{
    struct Case {
        const char* what;
        const char* pathList;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"no path", "", {"NOTEPAD.EXE"}},
        {"one folder", "C:\\Windows", {"NOTEPAD.EXE", "C:\\Windows\\NOTEPAD.EXE"}},
        {"trailing backslash", "C:\\Windows\\", {"NOTEPAD.EXE", "C:\\Windows\\NOTEPAD.EXE"}},
        {"drive only", "D:", {"NOTEPAD.EXE", "D:NOTEPAD.EXE"}},
        {"empty entries skipped",
         ";C:\\A;;C:\\B;",
         {"NOTEPAD.EXE", "C:\\A\\NOTEPAD.EXE", "C:\\B\\NOTEPAD.EXE"}},
        {"order kept", "C:\\Z;C:\\A", {"NOTEPAD.EXE", "C:\\Z\\NOTEPAD.EXE", "C:\\A\\NOTEPAD.EXE"}},
        {"blanks are part of the folder", "C:\\Program Files", {"NOTEPAD.EXE", "C:\\Program Files\\NOTEPAD.EXE"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FileSearchCandidates("NOTEPAD.EXE", c.pathList), c.expected);
    }
}

TEST(FileSearch, YieldsTheFirstCandidateThatExists)
{
    const std::string path = "C:\\A;C:\\B;C:\\C";
    struct Case {
        const char* what;
        std::set<std::string> existing;
        const char* expected;
    };
    const Case cases[] = {
        {"in the current folder first", {"WRITE.EXE", "C:\\B\\WRITE.EXE"}, "WRITE.EXE"},
        {"first path folder that has it", {"C:\\B\\WRITE.EXE", "C:\\C\\WRITE.EXE"}, "C:\\B\\WRITE.EXE"},
        {"last path folder", {"C:\\C\\WRITE.EXE"}, "C:\\C\\WRITE.EXE"},
        {"nowhere", {"C:\\D\\WRITE.EXE"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> asked;
        const std::string found = FileSearch("WRITE.EXE", path, [&](const std::string& candidate) {
            asked.push_back(candidate);
            return c.existing.count(candidate) > 0;
        });
        EXPECT_EQ(found, c.expected);
        // The search stops at the first hit.
        if (!found.empty()) {
            EXPECT_EQ(asked.back(), found);
        }
    }
}
