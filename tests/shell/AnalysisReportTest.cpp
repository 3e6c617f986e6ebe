#include "shell/AnalysisReport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TSourceStatistics SampleTotals()
{
    TSourceStatistics t;
    t.Characters = 1234;
    t.TotalLines = 100;
    t.BlankLines = 20;
    t.TotalCodeLines = 60;
    t.CommentedCodeLines = 5;
    t.OtherCodeLines = 55;
    t.TotalCommentLines = 15;
    t.BlankCommentLines = 3;
    t.Classes = 2;
    t.Functions = 3;
    t.Procedures = 4;
    t.Files = 2;
    t.Milliseconds = 17;
    t.Decisions = 9;
    return t;
}

TEST(AnalysisReportTest, FullReport)
{
    const std::string expected =
        "C:\\src\\Unit1.pas\n\r\n\r"
        "Characters\t\t    1234\n\r"
        "Total lines\t\t     100\n\r"
        "Blank lines\t\t      20\n\r"
        "\n\r"
        "Total code lines\t\t      60\n\r"
        "Commented code lines\t       5\n\r"
        "Other code lines\t\t      55\n\r"
        "\n\r"
        "Total comment lines\t\t      15\n\r"
        "Significant comment lines\t      12\n\r"
        "Blank comment lines\t\t       3\n\r"
        "Total comments\t\t      25%\n\r"
        "Significant comments\t      21%\n\r"
        "\n\r"
        "Classes\t\t\t       2\n\r"
        "Functions\t\t\t       3\n\r"
        "Procedures\t\t       4\n\r"
        "\n\r"
        "\n\r"
        "Analysis of 2 file(s) took 17 milliseconds";
    EXPECT_EQ(FormatAnalysisReport("C:\\src\\Unit1.pas", SampleTotals()), expected);
}

TEST(AnalysisReportTest, NothingCounted)
{
    const std::string expected =
        "H\n\r\n\r"
        "Characters\t\t       0\n\r"
        "Total lines\t\t       0\n\r"
        "Blank lines\t\t       0\n\r"
        "\n\r"
        "Total code lines\t\t       0\n\r"
        "Commented code lines\t       0\n\r"
        "Other code lines\t\t       0\n\r"
        "\n\r"
        "Total comment lines\t\t       0\n\r"
        "Significant comment lines\t       0\n\r"
        "Blank comment lines\t\t       0\n\r"
        "\n\r"
        "Classes\t\t\t       0\n\r"
        "Functions\t\t\t       0\n\r"
        "Procedures\t\t       0\n\r"
        "\n\r"
        "\n\r"
        "Analysis of 0 file(s) took 0 milliseconds";
    EXPECT_EQ(FormatAnalysisReport("H", TSourceStatistics{}), expected);
}

TEST(AnalysisReportTest, PercentageLines)
{
    struct Case {
        const char* Name;
        std::uint32_t TotalLines, BlankLines, Commented, Comments, BlankComments;
        const char* Total;        // the "Total comments" line, or null when left out
        const char* Significant;  // the "Significant comments" line
    };
    const Case cases[] = {
        {"all lines blank", 5, 5, 0, 0, 0, nullptr, nullptr},
        {"more blank lines than lines", 5, 7, 0, 0, 0, nullptr, nullptr},
        {"one line that is not blank", 6, 5, 1, 0, 0, "Total comments\t\t     100%\n\r",
         "Significant comments\t     100%\n\r"},
        {"division truncates", 3, 0, 1, 1, 1, "Total comments\t\t      66%\n\r", "Significant comments\t      33%\n\r"},
        // Unsigned 32-bit: 50000000 * 100 wraps to 705032704 before the division.
        {"the product wraps", 100000000, 0, 20000000, 30000000, 0, "Total comments\t\t       7%\n\r",
         "Significant comments\t       7%\n\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TSourceStatistics t;
        t.TotalLines = c.TotalLines;
        t.BlankLines = c.BlankLines;
        t.CommentedCodeLines = c.Commented;
        t.TotalCommentLines = c.Comments;
        t.BlankCommentLines = c.BlankComments;
        const std::string report = FormatAnalysisReport("H", t);
        const std::string::size_type total = report.find("Total comments");
        const std::string::size_type significant = report.find("Significant comments");
        if (c.Total == nullptr) {
            EXPECT_EQ(total, std::string::npos);
            EXPECT_EQ(significant, std::string::npos);
        } else {
            EXPECT_NE(report.find(c.Total), std::string::npos) << report;
            EXPECT_NE(report.find(c.Significant), std::string::npos) << report;
            EXPECT_LT(total, significant);
        }
    }
}

TEST(AnalysisReportTest, NumbersWiderThanTheFieldAndAboveTheSignedRange)
{
    TSourceStatistics t;
    t.Characters = 3000000000u;
    t.TotalLines = 123456789;
    const std::string report = FormatAnalysisReport("H", t);
    EXPECT_NE(report.find("Characters\t\t3000000000\n\r"), std::string::npos);
    EXPECT_NE(report.find("Total lines\t\t123456789\n\r"), std::string::npos);
}

TEST(AnalysisReportTest, Header)
{
    EXPECT_EQ(AnalysisReportHeader(1, "C:\\src\\Unit1.pas", "C:\\src"), "C:\\src\\Unit1.pas");
    EXPECT_EQ(AnalysisReportHeader(1, "C:\\src\\Lib", "C:\\src"), "C:\\src\\Lib");
    EXPECT_EQ(AnalysisReportHeader(3, "C:\\src\\Unit1.pas", "C:\\src"), "C:\\src \t[selected files]");
    EXPECT_EQ(AnalysisReportHeader(2, "C:\\a", "C:\\a\\b"), "C:\\a\\b \t[selected files]");
}

TEST(AnalysisReportTest, Caption)
{
    struct Case {
        const char* ModulePath;
        const char* Caption;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Kestrix\\KestrixShell.dll", "KestrixShell - Analyse Pascal source code"},
        {"C:\\Program Files\\Kestrix\\KestrixShell.DLL", "KestrixShell - Analyse Pascal source code"},
        {"C:\\Tools\\kestrix.shell.dll", "kestrix.shell - Analyse Pascal source code"},
        {"D:KestrixShell.dll", "KestrixShell - Analyse Pascal source code"},
        {"KestrixShell", "KestrixShell - Analyse Pascal source code"},
        {"/opt/k/KestrixShell.dll", "KestrixShell - Analyse Pascal source code"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ModulePath);
        EXPECT_EQ(AnalysisReportCaption(c.ModulePath), c.Caption);
    }
}

TEST(AnalysisReportTest, SummaryLine)
{
    EXPECT_EQ(FormatAnalysisSummary(SampleTotals()), "1234\t100\t60\t15\t2\t3\t4\t2\t");
    EXPECT_EQ(FormatAnalysisSummary(TSourceStatistics{}), "0\t0\t0\t0\t0\t0\t0\t0\t");
    TSourceStatistics big;
    big.Characters = 4294967295u;
    EXPECT_EQ(FormatAnalysisSummary(big), "4294967295\t0\t0\t0\t0\t0\t0\t0\t");
}

}  // namespace
