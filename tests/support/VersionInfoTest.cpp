// The version resource reader on real files: test libraries of our own and
// the shell extension itself. Arguments: the two test libraries, then the
// shell extension.
#include "support/VersionInfo.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProductVersion.h"
#include "tests/common/HostPath.h"

using testing::ElementsAre;

namespace {

std::string Argument(std::size_t index)
{
    const std::vector<std::string> arguments = testing::internal::GetArgvs();
    return index < arguments.size() ? ToHostPath(arguments[index]) : std::string();
}

std::string TwoTablesLibrary() { return Argument(1); }
std::string NeutralLanguageLibrary() { return Argument(2); }
std::string ShellExtension() { return Argument(3); }

std::vector<std::string> Prefixes(const TKSVersionInfo& info)
{
    std::vector<std::string> prefixes;
    for (std::int32_t i = 0; i < info.GetTranslations().Count(); ++i)
        prefixes.push_back(info.GetTranslations().Get(i));
    return prefixes;
}

std::string ThisProgram()
{
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

}  // namespace

TEST(VersionInfo, TriesTheTranslationAndThenItsUnicodeTable)
{
    ASSERT_FALSE(TwoTablesLibrary().empty());
    const TKSVersionInfo info(TwoTablesLibrary());
    ASSERT_TRUE(info.HasVersionInfo());
    EXPECT_THAT(Prefixes(info), ElementsAre("040904E4\\", "040904B0\\"));
    // Present in both tables: the one tried last wins.
    EXPECT_EQ(info.GetValue("CompanyName"), "From the Unicode table");
    EXPECT_EQ(info.GetStandardValue(0), "From the Unicode table");
    EXPECT_EQ(info.GetValue("OnlyInAnsiTable"), "ansi");
    EXPECT_EQ(info.GetValue("OnlyInUnicodeTable"), "unicode");
    EXPECT_EQ(info.GetStandardValue(7), "Two tables");
    EXPECT_EQ(info.GetValue("NoSuchValue"), "");
    EXPECT_EQ(info.GetStandardValue(1), "");
    EXPECT_EQ(info.GetStandardValue(11), "");
    EXPECT_EQ(info.GetStandardValue(-1), "");
}

TEST(VersionInfo, GivesTheFourNumbersInOrder)
{
    const TKSVersionInfo info(TwoTablesLibrary());
    std::int32_t counter = 0;
    std::vector<int> parts;
    for (int i = 0; i < 5; ++i) parts.push_back(info.GetVersionPart(counter));
    EXPECT_THAT(parts, ElementsAre(3, 1, 2, 7, 0));
    EXPECT_EQ(counter, 5);

    EXPECT_EQ(info.FormatVersion("%d.%d%z.%d"), "3.1.7");
    EXPECT_EQ(info.FormatVersion("%d.%d%a"), "3.1b");
    EXPECT_EQ(info.FormatVersion("EXE %d.%d.%d (Build %d)"), "EXE 3.1.2 (Build 7)");
    EXPECT_EQ(TKSVersionInfo(NeutralLanguageLibrary()).FormatVersion("%d.%.2d"), "5.08");
}

TEST(VersionInfo, ReadsLanguageZeroAsUsEnglish)
{
    ASSERT_FALSE(NeutralLanguageLibrary().empty());
    const TKSVersionInfo info(NeutralLanguageLibrary());
    ASSERT_TRUE(info.HasVersionInfo());
    EXPECT_THAT(Prefixes(info), ElementsAre("040904E4\\", "040904B0\\"));
    EXPECT_EQ(info.GetStandardValue(7), "US English table");
}

TEST(VersionInfo, AFileWithoutVersionResourceGivesEmptyResults)
{
    for (const std::string& file : {ThisProgram(), std::string("Z:\\no\\such\\library.dll")}) {
        SCOPED_TRACE(file);
        const TKSVersionInfo info(file);
        EXPECT_FALSE(info.HasVersionInfo());
        EXPECT_EQ(info.GetTranslations().Count(), 0);
        EXPECT_EQ(info.GetValue("CompanyName"), "");
        EXPECT_EQ(info.GetStandardValue(7), "");
        EXPECT_EQ(info.FormatVersion("%d.%d"), "");
        std::int32_t counter = 0;
        EXPECT_EQ(info.GetVersionPart(counter), 0);
        EXPECT_EQ(counter, 1);
    }
}

TEST(VersionInfo, ReadsTheShellExtensionsOwnResource)
{
    ASSERT_FALSE(ShellExtension().empty());
    const TKSVersionInfo info(ShellExtension());
    ASSERT_TRUE(info.HasVersionInfo());
    EXPECT_THAT(Prefixes(info), ElementsAre("040904E4\\", "040904B0\\"));
    EXPECT_EQ(info.GetStandardValue(7), "KestrixShell");
    EXPECT_EQ(info.GetStandardValue(0), "Kestrix Software");
    EXPECT_EQ(info.GetStandardValue(6), "KestrixShell.dll");
    EXPECT_EQ(info.GetStandardValue(2), KS_VERSION_TEXT);
    const std::string expected = std::to_string(KS_VERSION_MAJOR) + "." + std::to_string(KS_VERSION_MINOR) + "." +
                                 std::to_string(KS_VERSION_RELEASE) + " (Build " + std::to_string(KS_VERSION_BUILD) +
                                 ")";
    EXPECT_EQ(info.FormatVersion("%d.%d.%d (Build %d)"), expected);
}
