#include "shell/AnalysisRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "config/StoreNames.h"
#include "tests/common/CollectingReporter.h"

namespace fs = std::filesystem;

namespace {

// A folder of real files that is the current directory while the test runs,
// as the selection walk makes each entry's folder current.
class AnalysisRunTest : public testing::Test {
protected:
    void SetUp() override
    {
        previous_ = fs::current_path();
        folder_ = fs::temp_directory_path() / ("ks-analysis-run-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_ / "Sub.pas");
        Write("Good.pas", "unit Good;\ninterface\nimplementation\nprocedure P;\nbegin\nend;\nend.\n");
        Write("Prog.DPR", "program Prog;\nbegin\nend.\n");
        Write("Iface.pas", "unit Iface;\ninterface\nend.\n");
        Write("notes.txt", "program Notes;\nbegin\nend.\n");
        Write("Bad.pas", "unit Bad;\ninterface\nimplementation\n!\nend.\n");
        Write("Empty.pas", "");
        fs::current_path(folder_);
    }
    void TearDown() override
    {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }
    void Write(const char* name, const std::string& text)
    {
        std::ofstream(folder_ / name, std::ios::binary) << text;
    }
    std::string Location(const char* name) const { return (fs::current_path() / name).string(); }

    // The entries in the order a walk might give them.
    void Walk(TAnalysisRun& run)
    {
        for (const char* name : {"Bad.pas", "Empty.pas", "Good.pas", "Iface.pas", "Missing.pas", "notes.txt",
                                 "Prog.DPR"})
            run.AnalyseFile(name, false);
        run.AnalyseFile("Sub.pas", true);
    }

    fs::path previous_;
    fs::path folder_;
};

TEST_F(AnalysisRunTest, TotalsOfTheFilesThatCount)
{
    TCollectingReporter reporter;
    TAnalysisRun run(StoreNames::DefaultPascalExtensions, reporter);
    Walk(run);

    const TSourceStatistics& totals = run.Totals();
    EXPECT_EQ(totals.Files, 2u);
    EXPECT_EQ(totals.TotalLines, 10u);
    EXPECT_EQ(totals.TotalCodeLines, 10u);
    EXPECT_EQ(totals.Procedures, 2u);
    EXPECT_EQ(totals.Characters, fs::file_size("Good.pas") + fs::file_size("Prog.DPR"));

    // Every bad file is reported, one message each, and the run goes on.
    ASSERT_EQ(reporter.Messages.size(), 3u);
    for (const TMessage& message : reporter.Messages) EXPECT_EQ(message.Caption, "Error");
    EXPECT_EQ(reporter.Messages[0].Text, "Illegal text \"!\" at line 4 in " + Location("Bad.pas"));
    EXPECT_EQ(reporter.Messages[1].Text, "LexLib: Input buffer underflow in " + Location("Empty.pas"));
    EXPECT_EQ(reporter.Messages[2].Text.rfind("Cannot open file ", 0), 0u) << reporter.Messages[2].Text;
    EXPECT_NE(reporter.Messages[2].Text.find("Missing.pas"), std::string::npos);
}

TEST_F(AnalysisRunTest, ListInCapitalsTakesNothing)
{
    TCollectingReporter reporter;
    TAnalysisRun run(".PAS,.DPR", reporter);
    Walk(run);
    EXPECT_EQ(run.Totals(), TSourceStatistics{});
    EXPECT_TRUE(reporter.Messages.empty());
    EXPECT_EQ(run.Extensions(), ".PAS,.DPR");
}

}  // namespace
