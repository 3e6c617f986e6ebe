#include "Lib/SourceFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Lib/LexLib.h"
#include "tests/common/HostPath.h"
#include "tests/common/CollectingReporter.h"

namespace fs = std::filesystem;

namespace {

// The figures a case expects; Characters, Milliseconds and Files are checked apart.
struct TFigures {
    std::uint32_t TotalLines, BlankLines, TotalCodeLines, CommentedCodeLines, OtherCodeLines, TotalCommentLines,
        BlankCommentLines, Classes, Functions, Procedures, Decisions;
};

void ExpectFigures(const TSourceStatistics& s, const TFigures& f)
{
    EXPECT_EQ(s.TotalLines, f.TotalLines);
    EXPECT_EQ(s.BlankLines, f.BlankLines);
    EXPECT_EQ(s.TotalCodeLines, f.TotalCodeLines);
    EXPECT_EQ(s.CommentedCodeLines, f.CommentedCodeLines);
    EXPECT_EQ(s.OtherCodeLines, f.OtherCodeLines);
    EXPECT_EQ(s.TotalCommentLines, f.TotalCommentLines);
    EXPECT_EQ(s.BlankCommentLines, f.BlankCommentLines);
    EXPECT_EQ(s.Classes, f.Classes);
    EXPECT_EQ(s.Functions, f.Functions);
    EXPECT_EQ(s.Procedures, f.Procedures);
    EXPECT_EQ(s.Decisions, f.Decisions);
}

struct TTextCase {
    const char* Name;
    std::string Text;
    bool Counts;
    // TotalLines, BlankLines, code: total, commented, other; comment: total, blank;
    // Classes, Functions, Procedures, Decisions
    TFigures Figures;
    const char* Message;  // the start of the one message expected, or null for none
};

const TTextCase kTextCases[] = {
    // Which files count.
    {"interface part only", "unit U;\ninterface\nconst A = 1;\nend.\n", false, {4, 0, 4, 0, 4, 0, 0, 0, 0, 0, 0}, nullptr},
    {"program", "program P;\nbegin\nend.\n", true, {3, 0, 3, 0, 3, 0, 0, 0, 0, 1, 0}, nullptr},
    {"library", "library L;\nbegin\nend.\n", true, {3, 0, 3, 0, 3, 0, 0, 0, 0, 1, 0}, nullptr},
    {"declarations after implementation", "unit U;\ninterface\nimplementation\nconst A = 1;\nend.\n", true,
     {5, 0, 5, 0, 5, 0, 0, 0, 0, 0, 0}, nullptr},

    // Lines.
    {"no line end after the last line", "program P;\nbegin\nend.", true, {3, 0, 3, 0, 3, 0, 0, 0, 0, 1, 0}, nullptr},
    {"input starting with a line feed", "\nprogram P;\nbegin\nend.\n", true, {4, 1, 3, 0, 3, 0, 0, 0, 0, 1, 0},
     nullptr},
    {"a line of blanks is not blank", "program P;\n   \nbegin\nend.\n", true, {4, 0, 3, 0, 3, 0, 0, 0, 0, 1, 0},
     nullptr},

    // Code and comment lines.
    {"statement then brace comment", "program P;\nbegin\nX := 1; { c }\nend.\n", true,
     {4, 0, 4, 1, 3, 0, 0, 0, 0, 1, 0}, nullptr},
    {"brace comment then statement", "program P;\nbegin\n{ c } X := 1;\nend.\n", true,
     {4, 0, 4, 1, 3, 0, 0, 0, 0, 1, 0}, nullptr},
    {"comment on lines 1 to 3, code after", "{ a\nb\nc }\nprogram P;\nbegin\nend.\n", true,
     {6, 0, 3, 0, 3, 3, 0, 0, 0, 1, 0}, nullptr},
    {"code on line 1, comment from line 1 to 3", "program P; { a\nb\nc }\nbegin\nend.\n", true,
     {5, 0, 3, 1, 2, 2, 0, 0, 0, 1, 0}, nullptr},
    {"two comments on one line", "{a} {b}\nprogram P;\nbegin\nend.\n", true, {4, 0, 3, 0, 3, 1, 0, 0, 0, 1, 0},
     nullptr},
    {"a comment beginning where one ended counts the shared line again", "{a\nb} {c\nd}\nprogram P;\nbegin\nend.\n",
     true, {6, 0, 3, 0, 3, 4, 0, 0, 0, 1, 0}, nullptr},
    {"line comment at the end without a line end", "program P;\nbegin\nend.\n// tail", true,
     {4, 0, 3, 0, 3, 1, 0, 0, 0, 1, 0}, nullptr},
    {"blank lines inside a comment", "{ a\n\n\nb }\nprogram P;\nbegin\nend.\n", true,
     {7, 0, 3, 0, 3, 4, 2, 0, 0, 1, 0}, nullptr},
    // Line 4 holds the end of a comment, code and the start of another
    // comment: it is one commented code line, moved from the other code lines
    // once only, so no other line is lost and the counter never wraps.
    {"a code line is moved to commented code once only", "program P;\nbegin\n{a\nb} X := 1; {c\nd}\nend.\n", true,
     {6, 0, 4, 1, 3, 2, 0, 0, 0, 1, 0}, nullptr},
    {"the first code line moved once only", "{a\nb} X; {c\nd}\nprogram P;\nbegin\nend.\n", true,
     {6, 0, 4, 1, 3, 2, 0, 0, 0, 1, 0}, nullptr},

    // Items.
    {"class method in the implementation part",
     "unit U;\ninterface\nimplementation\nclass procedure T.M;\nbegin\nend;\nend.\n", true,
     {7, 0, 7, 0, 7, 0, 0, 0, 0, 0, 0}, nullptr},
    {"forward class and ancestor-only class each leave one class",
     "unit U;\ninterface\ntype\nA = class;\nB = class(TObject);\nimplementation\nend.\n", true,
     {7, 0, 7, 0, 7, 0, 0, 2, 0, 0, 0}, nullptr},
    {"class reference type", "unit U;\ninterface\ntype\nC = class of TObject;\nimplementation\nend.\n", true,
     {6, 0, 6, 0, 6, 0, 0, 0, 0, 0, 0}, nullptr},
    {"routines of a program count again at their BEGIN",
     "program P;\nprocedure A;\nbegin\nend;\nfunction F: Integer;\nbegin\nend;\nbegin\nend.\n", true,
     {9, 0, 9, 0, 9, 0, 0, 0, 1, 4, 0}, nullptr},
    {"routine of a unit counts once", "unit U;\ninterface\nimplementation\nprocedure A;\nbegin\nend;\nend.\n", true,
     {7, 0, 7, 0, 7, 0, 0, 0, 0, 1, 0}, nullptr},
    {"initialization and finalization", "unit U;\ninterface\nimplementation\ninitialization\nif A then B;\nfinalization\nend.\n",
     true, {7, 0, 7, 0, 7, 0, 0, 0, 0, 2, 1}, nullptr},
    {"decisions", "program P;\nbegin\nif A then\nwhile B do\nfor I := 1 to 2 do;\nend.\n", true,
     {6, 0, 6, 0, 6, 0, 0, 0, 0, 1, 3}, nullptr},

    // Block depth, seen through where the scan stops: an END at depth 0
    // ends it, so a comment after that END is not counted.
    {"END at depth 0 stops the scan", "unit U;\ninterface\nimplementation\nend.\nend.\n{ after }\n", true,
     {5, 0, 5, 0, 5, 0, 0, 0, 0, 0, 0}, nullptr},
    {"OF OBJECT raises the depth for good",
     "unit U;\ninterface\ntype\nE = procedure of object;\nimplementation\nend.\nend.\n{ after }\n", true,
     {8, 0, 7, 0, 7, 1, 0, 0, 0, 0, 0}, nullptr},
    {"CASE inside a record has no END of its own",
     "unit U;\ninterface\ntype\nR = record\ncase K: Integer of\n0: (A: Integer);\nend;\nimplementation\nend.\nend.\n"
     "{ after }\n",
     true, {10, 0, 10, 0, 10, 0, 0, 0, 0, 0, 0}, nullptr},
    {"CASE outside a record ends with END", "program P;\nbegin\ncase X of\n1: ;\nend;\nend.\n{ after }\n", true,
     {7, 0, 6, 0, 6, 1, 0, 0, 0, 1, 0}, nullptr},
    {"TRY ends with END", "program P;\nbegin\ntry\nfinally\nend;\nend.\n{ after }\n", true,
     {7, 0, 6, 0, 6, 1, 0, 0, 0, 1, 0}, nullptr},
    {"interface type ends with END",
     "unit U;\ninterface\ntype\nI = interface\nend;\nimplementation\nend.\nend.\n{ after }\n", true,
     {8, 0, 8, 0, 8, 0, 0, 0, 0, 0, 0}, nullptr},
    {"forward interface has no END", "unit U;\ninterface\ntype\nI = interface;\nimplementation\nend.\nend.\n{ after }\n",
     true, {7, 0, 7, 0, 7, 0, 0, 0, 0, 0, 0}, nullptr},
    {"an END after an at sign in assembler is a label",
     "unit U;\ninterface\nimplementation\nprocedure A;\nasm\njmp @end\nend;\nend.\n{ after }\n", true,
     {9, 0, 8, 0, 8, 1, 0, 0, 0, 1, 0}, nullptr},

    // Assembler strings and illegal text.
    {"double quotes in assembler enclose a string",
     "unit U;\ninterface\nimplementation\nprocedure A;\nasm\nDB \"a'b{\"\nend;\nend.\n", true,
     {8, 0, 8, 0, 8, 0, 0, 0, 0, 1, 0}, nullptr},
    {"an assembler string open at the end of input", "unit U;\ninterface\nimplementation\nprocedure A;\nasm\nDB \"open\n",
     true, {6, 0, 6, 0, 6, 0, 0, 0, 0, 1, 0}, nullptr},
    {"a double quote outside assembler", "program P;\nbegin\nX := \"a\";\nend.\n", false,
     {3, 0, 3, 0, 3, 0, 0, 0, 0, 1, 0}, "Illegal text \"\"\" at line 3 in "},
    {"illegal character", "unit U;\ninterface\nimplementation\nX ? Y\nend.\n", false, {4, 0, 4, 0, 4, 0, 0, 0, 0, 0, 0},
     "Illegal text \"?\" at line 4 in "},
    {"unterminated comment", "program P;\n{ open\n", false, {1, 0, 2, 0, 2, 0, 0, 0, 0, 0, 0},
     "Unexpected EOF inside comment at line 2 in "},

    // A decision with no current item fails the check: the lines and items
    // are left at 0, the rest stays as far as it got, and the file still
    // counts because it reached its implementation part.
    {"decision before any item", "unit U;\ninterface\nimplementation\nbegin\nif X then Y;\nend.\n", true,
     {0, 0, 5, 0, 5, 0, 0, 0, 0, 0, 0}, "Assertion failure (Lib/SourceFile, line "},
};

TEST(SourceModuleTest, FiguresOfSmallTexts)
{
    for (const TTextCase& c : kTextCases) {
        SCOPED_TRACE(c.Name);
        TCollectingReporter reporter;
        TSourceModule module("Case.pas", c.Text, reporter);
        EXPECT_EQ(module.Analyse(), c.Counts);
        ExpectFigures(module.Statistics(), c.Figures);
        EXPECT_EQ(module.Statistics().Characters, c.Text.size());
        EXPECT_EQ(module.Statistics().Files, 1u);
        EXPECT_EQ(module.Statistics().TotalCodeLines,
                  module.Statistics().CommentedCodeLines + module.Statistics().OtherCodeLines);
        EXPECT_EQ(module.ClassList().Count(), static_cast<std::int32_t>(module.Statistics().Classes));
        if (c.Message == nullptr) {
            EXPECT_TRUE(reporter.Messages.empty()) << reporter.Messages.front().Text;
        } else {
            ASSERT_EQ(reporter.Messages.size(), 1u);
            EXPECT_EQ(reporter.Messages[0].Caption, "Error");
            const std::string& text = reporter.Messages[0].Text;
            EXPECT_EQ(text.rfind(c.Message, 0), 0u) << text;
            const std::string tail = " in " + SourceFileLocation("Case.pas");
            ASSERT_GE(text.size(), tail.size());
            EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
        }
    }
}

TEST(SourceModuleTest, ItemsAndTheirDecisions)
{
    const std::string text =
        "unit U;\ninterface\ntype\nT = class\nend;\nimplementation\n"
        "procedure A;\nbegin\nif X then Y;\nend;\n"
        "function F: Integer;\nbegin\nwhile X do;\nfor I := 1 to 2 do;\nend;\n"
        "end.\n";
    TCollectingReporter reporter;
    TSourceModule module("Items.pas", text, reporter);
    ASSERT_TRUE(module.Analyse());
    ASSERT_EQ(module.ClassList().Count(), 1);
    ASSERT_EQ(module.ProcedureList().Count(), 1);
    ASSERT_EQ(module.FunctionList().Count(), 1);
    EXPECT_EQ(module.ClassList().Items(0)->Kind, skClass);
    EXPECT_EQ(module.ProcedureList().Items(0)->Kind, skProcedure);
    EXPECT_EQ(module.FunctionList().Items(0)->Kind, skFunction);
    EXPECT_EQ(static_cast<TSourceCodeBlock*>(module.ProcedureList().Items(0))->Decisions, 1);
    EXPECT_EQ(static_cast<TSourceCodeBlock*>(module.FunctionList().Items(0))->Decisions, 2);
    EXPECT_EQ(module.Statistics().Decisions, 3u);
    EXPECT_EQ(module.Kind, skModule);
    EXPECT_EQ(module.FileName(), "Items.pas");
}

TEST(SourceModuleTest, ByteOrderMarkIsSkippedButCounted)
{
    const std::string body = "unit U;\ninterface\nimplementation\nend.\n";
    TCollectingReporter reporter;
    TSourceModule module("Bom.pas", "\xEF\xBB\xBF" + body, reporter);
    EXPECT_TRUE(module.Analyse());
    EXPECT_TRUE(reporter.Messages.empty());
    EXPECT_EQ(module.Statistics().Characters, body.size() + 3);
    EXPECT_EQ(module.Statistics().TotalCodeLines, 4u);

    // Only the whole mark is skipped: its first two bytes alone are illegal text.
    TSourceModule partial("Partial.pas", "\xEF\xBB" + body, reporter);
    EXPECT_FALSE(partial.Analyse());
    ASSERT_EQ(reporter.Messages.size(), 1u);
    EXPECT_EQ(reporter.Messages[0].Text.rfind("Illegal text \"\xEF\" at line 1 in ", 0), 0u);
}

TEST(SourceModuleTest, ErrorsThatPassOut)
{
    TCollectingReporter reporter;
    TSourceModule empty("Empty.pas", "", reporter);
    try {
        empty.Analyse();
        ADD_FAILURE() << "a zero-byte file must raise";
    } catch (const ELexLibError& error) {
        EXPECT_STREQ(error.what(), "LexLib: Input buffer underflow");
    }

    TSourceModule twoPrograms("Two.dpr", "program A;\nprogram B;\nbegin\nend.\n", reporter);
    try {
        twoPrograms.Analyse();
        ADD_FAILURE() << "a second PROGRAM keyword must raise";
    } catch (const ESourceDepthError& error) {
        EXPECT_STREQ(error.what(), "Block depth below zero at line 2");
    }

    TSourceModule longWord("Long.pas", "program " + std::string(300, 'x') + ";\n", reporter);
    EXPECT_THROW(longWord.Analyse(), ELexLibError);
    EXPECT_TRUE(reporter.Messages.empty());
}

TEST(SourceModuleTest, ClearStatisticsStartsAfresh)
{
    TCollectingReporter reporter;
    TSourceModule module("P.dpr", "program P;\nbegin\nend.\n", reporter);
    ASSERT_TRUE(module.Analyse());
    ASSERT_EQ(module.ProcedureList().Count(), 1);
    module.ClearStatistics();
    EXPECT_EQ(module.ProcedureList().Count(), 0);
    EXPECT_EQ(module.Statistics().TotalLines, 0u);
    EXPECT_EQ(module.Statistics().Files, 1u);
    // A second analysis gives the same figures as the first.
    ASSERT_TRUE(module.Analyse());
    EXPECT_EQ(module.ProcedureList().Count(), 1);
    EXPECT_EQ(module.Statistics().TotalLines, 3u);
}

TEST(SourceStatisticsTest, AddsFieldByField)
{
    TSourceStatistics a;
    TSourceStatistics b;
    std::uint32_t n = 1;
    for (const auto& field : kSourceStatisticsFields) {
        a.*field.Member = n;
        b.*field.Member = 100 * n;
        ++n;
    }
    a.Milliseconds = 0xFFFFFFFFu;  // unsigned 32-bit: the sum wraps
    a += b;
    n = 1;
    for (const auto& field : kSourceStatisticsFields) {
        SCOPED_TRACE(field.Name);
        const std::uint32_t first = field.Member == &TSourceStatistics::Milliseconds ? 0xFFFFFFFFu : n;
        EXPECT_EQ(a.*field.Member, static_cast<std::uint32_t>(first + 100 * n));
        ++n;
    }
    static_assert(sizeof(TSourceStatistics) == 14 * sizeof(std::uint32_t), "fourteen counters, nothing else");
    EXPECT_STREQ(kSourceStatisticsFields[0].Name, "BlankCommentLines");
    EXPECT_STREQ(kSourceStatisticsFields[13].Name, "Procedures");
}

TEST(SourceItemListTest, TakesItemsOfItsOwnKindOnly)
{
    TSourceItemList classes(skClass);
    TSourceClass aClass;
    TSourceProcedure aProcedure;
    classes.Add(&aClass);
    EXPECT_EQ(classes.Count(), 1);
    EXPECT_THROW(classes.Add(&aProcedure), Exception);
    EXPECT_EQ(classes.Count(), 1);
    classes.RemoveLast();
    EXPECT_EQ(classes.Count(), 0);
}

TEST(SourceFileLocationTest, NamesTheFileBehindTheCurrentDirectory)
{
    const std::string folder = fs::current_path().string();
    const char separator = static_cast<char>(fs::path::preferred_separator);
    const std::string location = SourceFileLocation("Unit1.pas");
    EXPECT_EQ(location, folder + (folder.back() == separator ? "" : std::string(1, separator)) + "Unit1.pas");
    const std::string rooted = (fs::current_path() / "x.pas").string();
    EXPECT_EQ(SourceFileLocation(rooted), rooted);
}

// Real files, loaded through the platform's file calls.
class SourceFixtureTest : public testing::Test {
protected:
    static fs::path Fixtures()
    {
        const auto& args = testing::internal::GetArgvs();
        if (args.size() < 2) throw std::runtime_error("the fixtures folder is the test's first argument");
        return fs::path(ToHostPath(args[1]));
    }
};

struct TFileCase {
    const char* Path;  // below the fixtures folder
    bool Counts;
    TFigures Figures;
};

const TFileCase kFileCases[] = {
    {"good/Shapes.pas", true, {49, 10, 39, 0, 39, 0, 0, 3, 1, 2, 2}},
    {"good/Nested.dpr", true, {17, 4, 13, 0, 13, 0, 0, 0, 1, 4, 1}},
    {"good/AsmDemo.pas", true, {17, 5, 12, 0, 12, 0, 0, 0, 1, 0, 0}},
    {"good/Notes.pas", true, {12, 1, 4, 0, 4, 7, 1, 0, 0, 0, 0}},
    {"good/CrLf.dpr", true, {6, 1, 4, 0, 4, 1, 0, 0, 0, 1, 0}},
    {"good/CrOnly.dpr", true, {1, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0}},
    {"good/CtrlZ.dpr", true, {4, 0, 3, 0, 3, 0, 0, 0, 0, 1, 0}},
    {"good/Bom.pas", true, {4, 0, 4, 0, 4, 0, 0, 0, 0, 0, 0}},
    {"good/InterfaceOnly.pas", false, {8, 3, 5, 0, 5, 0, 0, 0, 0, 0, 0}},
    {"good/sub/deeper/Deep.pas", true, {11, 4, 7, 0, 7, 0, 0, 0, 0, 1, 0}},
};

TEST_F(SourceFixtureTest, FiguresOfTheFixtures)
{
    for (const TFileCase& c : kFileCases) {
        SCOPED_TRACE(c.Path);
        const fs::path path = Fixtures() / fs::path(c.Path).make_preferred();
        TCollectingReporter reporter;
        const TSourceFileResult result = AnalyseSourceFile(path.string(), reporter);
        EXPECT_TRUE(result.Exception.empty()) << result.Exception;
        EXPECT_TRUE(reporter.Messages.empty());
        EXPECT_EQ(result.Counts, c.Counts);
        ExpectFigures(result.Statistics, c.Figures);
        EXPECT_EQ(result.Statistics.Characters, fs::file_size(path));
    }
}

TEST_F(SourceFixtureTest, ErrorsOfABadFileAreCaughtAndWorded)
{
    struct Case {
        const char* Path;
        const char* Message;  // the start of the message, before " in " and the file
    };
    const Case cases[] = {
        {"bad/Empty.pas", "LexLib: Input buffer underflow"},
        {"bad/TwoPrograms.dpr", "Block depth below zero at line 2"},
        {"bad/Missing.pas", "Cannot open file "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Path);
        const std::string path = (Fixtures() / fs::path(c.Path).make_preferred()).string();
        TCollectingReporter reporter;
        const TSourceFileResult result = AnalyseSourceFile(path, reporter);
        EXPECT_FALSE(result.Counts);
        EXPECT_EQ(result.Statistics, TSourceStatistics{});
        EXPECT_TRUE(reporter.Messages.empty());
        EXPECT_EQ(result.Exception.rfind(c.Message, 0), 0u) << result.Exception;
        const std::string tail = " in " + path;
        ASSERT_GE(result.Exception.size(), tail.size());
        EXPECT_EQ(result.Exception.substr(result.Exception.size() - tail.size()), tail);
    }
}

TEST_F(SourceFixtureTest, MessagesOfTheModuleGoToTheReporter)
{
    struct Case {
        const char* Path;
        bool Counts;
        const char* Message;
    };
    const Case cases[] = {
        {"bad/Illegal.pas", false, "Illegal text \"?\" at line 4 in "},
        {"bad/Unterminated.pas", false, "Unexpected EOF inside comment at line 2 in "},
        {"bad/OldInit.pas", true, "Assertion failure (Lib/SourceFile, line "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Path);
        const std::string path = (Fixtures() / fs::path(c.Path).make_preferred()).string();
        TCollectingReporter reporter;
        const TSourceFileResult result = AnalyseSourceFile(path, reporter);
        EXPECT_EQ(result.Counts, c.Counts);
        EXPECT_TRUE(result.Exception.empty());
        ASSERT_EQ(reporter.Messages.size(), 1u);
        EXPECT_EQ(reporter.Messages[0].Caption, "Error");
        EXPECT_EQ(reporter.Messages[0].Text.rfind(c.Message, 0), 0u) << reporter.Messages[0].Text;
        EXPECT_EQ(reporter.Messages[0].Text.substr(reporter.Messages[0].Text.size() - path.size()), path);
    }
}

}  // namespace
