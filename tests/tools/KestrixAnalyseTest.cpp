// kestrix-analyse as a user runs it: a real process over the Pascal fixtures,
// its standard output, standard error and exit status.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tests/common/HostPath.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace {

struct TRun {
    int Status;
    std::string Out;
    std::string Err;
};

std::string Argument(std::size_t index)
{
    const auto& args = testing::internal::GetArgvs();
    if (args.size() <= index) throw std::runtime_error("usage: KestrixAnalyseTest PROGRAM FIXTURES");
    return ToHostPath(args[index]);
}

std::string Quote(const std::string& text)
{
#ifdef _WIN32
    return "\"" + text + "\"";
#else
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
#endif
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Text-mode output on Windows ends lines with CR LF; the tests compare LF.
std::string WithLineFeeds(std::string text)
{
#ifdef _WIN32
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    text = out;
#endif
    return text;
}

TRun RunAnalyser(const std::vector<std::string>& args)
{
    const fs::path folder = fs::temp_directory_path();
    const fs::path out = folder / ("kestrix-analyse-test-" + std::to_string(std::random_device{}()) + ".out");
    const fs::path err = fs::path(out).replace_extension(".err");
    std::string command = Quote(Argument(1));
    for (const std::string& arg : args) command += " " + Quote(arg);
    command += " >" + Quote(out.string()) + " 2>" + Quote(err.string());
#ifdef _WIN32
    command = "\"" + command + "\"";  // cmd /c takes the outer quotes off
#endif
    int status = std::system(command.c_str());
#ifndef _WIN32
    status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    TRun run{status, WithLineFeeds(ReadFile(out)), WithLineFeeds(ReadFile(err))};
    fs::remove(out);
    fs::remove(err);
    return run;
}

std::string Fixtures(const char* sub = nullptr)
{
    fs::path path = Argument(2);
    if (sub != nullptr) path /= fs::path(sub).make_preferred();
    return path.string();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The good fixtures that count (all but the one without an implementation part).
const char* const kCountingGoodFiles[] = {
    "good/AsmDemo.pas", "good/Bom.pas",    "good/CrLf.dpr",  "good/CrOnly.dpr",          "good/CtrlZ.dpr",
    "good/Nested.dpr",  "good/Notes.pas", "good/Shapes.pas", "good/sub/deeper/Deep.pas",
};

std::uintmax_t CountingGoodCharacters()
{
    std::uintmax_t sum = 0;
    for (const char* file : kCountingGoodFiles) sum += fs::file_size(Fixtures(file));
    return sum;
}

std::string Right8(std::uintmax_t n)
{
    std::string digits = std::to_string(n);
    return std::string(digits.size() < 8 ? 8 - digits.size() : 0, ' ') + digits;
}

TEST(KestrixAnalyseTest, ReportOfOneFolder)
{
    const TRun run = RunAnalyser({Fixtures("good")});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    // Line totals of the fixtures, counted by hand: see SourceFileTest.
    const std::string expected = fs::absolute(Fixtures("good")).lexically_normal().string() +
                                 "\n\n"
                                 "Characters\t\t" + Right8(CountingGoodCharacters()) + "\n"
                                 "Total lines\t\t     121\n"
                                 "Blank lines\t\t      25\n"
                                 "\n"
                                 "Total code lines\t\t      87\n"
                                 "Commented code lines\t       0\n"
                                 "Other code lines\t\t      87\n"
                                 "\n"
                                 "Total comment lines\t\t       8\n"
                                 "Significant comment lines\t       7\n"
                                 "Blank comment lines\t\t       1\n"
                                 "Total comments\t\t       8%\n"
                                 "Significant comments\t       7%\n"
                                 "\n"
                                 "Classes\t\t\t       3\n"
                                 "Functions\t\t\t       3\n"
                                 "Procedures\t\t      10\n"
                                 "\n"
                                 "\n"
                                 "Analysis of 9 file(s) took ";
    ASSERT_EQ(run.Out.substr(0, expected.size()), expected);
    const std::string timing = run.Out.substr(expected.size());
    ASSERT_GT(timing.size(), std::string(" milliseconds\n").size());
    EXPECT_EQ(timing.substr(timing.find_first_not_of("0123456789")), " milliseconds\n");
    EXPECT_EQ(run.Out.find('\r'), std::string::npos);
}

TEST(KestrixAnalyseTest, HeaderOfSeveralPaths)
{
    const TRun run = RunAnalyser({Fixtures("good/Shapes.pas"), Fixtures("good/Nested.dpr")});
    EXPECT_EQ(run.Status, 0);
    const std::vector<std::string> lines = Lines(run.Out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], fs::current_path().string() + " \t[selected files]");
    EXPECT_NE(run.Out.find("Analysis of 2 file(s) took "), std::string::npos);
}

TEST(KestrixAnalyseTest, OneFileThatIsNotChosen)
{
    const TRun run = RunAnalyser({Fixtures("good/readme.txt")});
    EXPECT_EQ(run.Status, 0);
    const std::vector<std::string> lines = Lines(run.Out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], fs::absolute(Fixtures("good/readme.txt")).lexically_normal().string());
    EXPECT_NE(run.Out.find("Characters\t\t       0\n"), std::string::npos);
    EXPECT_EQ(run.Out.find("Total comments"), std::string::npos);
    EXPECT_EQ(lines.back(), "Analysis of 0 file(s) took 0 milliseconds");
}

TEST(KestrixAnalyseTest, SummaryAndExtensionList)
{
    struct Case {
        const char* Name;
        std::vector<std::string> Options;
        std::string Summary;
    };
    const std::string characters = std::to_string(CountingGoodCharacters());
    const std::string dprCharacters =
        std::to_string(fs::file_size(Fixtures("good/CrLf.dpr")) + fs::file_size(Fixtures("good/CrOnly.dpr")) +
                       fs::file_size(Fixtures("good/CtrlZ.dpr")) + fs::file_size(Fixtures("good/Nested.dpr")));
    const Case cases[] = {
        {"default list", {}, characters + "\t121\t87\t8\t3\t3\t10\t9\t\n"},
        {"programs only", {"--extensions", ".dpr"}, dprCharacters + "\t28\t21\t1\t0\t1\t7\t4\t\n"},
        {"a list in capitals takes nothing", {"--extensions", ".PAS,.DPR"}, "0\t0\t0\t0\t0\t0\t0\t0\t\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        std::vector<std::string> args = c.Options;
        args.push_back("--summary");
        args.push_back(Fixtures("good"));
        const TRun run = RunAnalyser(args);
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Out, c.Summary);
    }
}

TEST(KestrixAnalyseTest, BadFilesAreReportedAndTheRestGoesOn)
{
    const TRun run = RunAnalyser({"--summary", Fixtures("bad"), Fixtures("good/Nested.dpr")});
    // Two files raised errors that passed out of the analysis.
    EXPECT_EQ(run.Status, 1);
    const std::vector<std::string> messages = Lines(run.Err);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"LexLib: Input buffer underflow in ", "bad/Empty.pas"},
        {"Illegal text \"?\" at line 4 in ", "bad/Illegal.pas"},
        {"Assertion failure (Lib/SourceFile, line ", "bad/OldInit.pas"},
        {"Block depth below zero at line 2 in ", "bad/TwoPrograms.dpr"},
        {"Unexpected EOF inside comment at line 2 in ", "bad/Unterminated.pas"},
    };
    ASSERT_EQ(messages.size(), expected.size()) << run.Err;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(messages[i]);
        EXPECT_EQ(messages[i].rfind(expected[i].first, 0), 0u);
        const std::string file = fs::path(Fixtures(expected[i].second.c_str())).filename().string();
        EXPECT_EQ(messages[i].substr(messages[i].size() - file.size()), file);
    }
    // Nested.dpr and OldInit.pas count; OldInit's failed check leaves its
    // lines at 0 but keeps its code lines.
    const std::string nestedSize = std::to_string(fs::file_size(Fixtures("good/Nested.dpr")) +
                                                  fs::file_size(Fixtures("bad/OldInit.pas")));
    EXPECT_EQ(run.Out, nestedSize + "\t17\t18\t0\t0\t1\t4\t2\t\n");
}

TEST(KestrixAnalyseTest, BadUsage)
{
    struct Case {
        const char* Name;
        std::vector<std::string> Args;
    };
    const Case cases[] = {
        {"no path", {}},
        {"a path that does not exist", {Fixtures("good"), Fixtures("no/such/folder")}},
        {"no jobs", {"--jobs", "0", Fixtures("good")}},
        {"jobs not a number", {"--jobs", "many", Fixtures("good")}},
        {"unknown option", {"--verbose", Fixtures("good")}},
        {"json and summary", {"--json", "--summary", Fixtures("good")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const TRun run = RunAnalyser(c.Args);
        EXPECT_EQ(run.Status, 2);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(Lines(run.Err).size(), 1u) << run.Err;
        EXPECT_EQ(run.Err.rfind("kestrix-analyse: ", 0), 0u) << run.Err;
    }
}

Json RunJson(const std::vector<std::string>& args, int expectedStatus)
{
    const TRun run = RunAnalyser(args);
    EXPECT_EQ(run.Status, expectedStatus);
    return Json::parse(run.Out);
}

TEST(KestrixAnalyseTest, JsonDocument)
{
    const Json document = RunJson({"--json", Fixtures()}, 1);
    const char* const fieldNames[] = {"BlankCommentLines", "BlankLines", "Decisions", "Characters", "Classes",
                                      "TotalCodeLines", "CommentedCodeLines", "TotalCommentLines", "Milliseconds",
                                      "Files", "Functions", "TotalLines", "OtherCodeLines", "Procedures"};
    ASSERT_TRUE(document.contains("totals"));
    ASSERT_TRUE(document.contains("files"));
    const Json& files = document["files"];
    ASSERT_EQ(files.size(), 15u);  // every .pas and .dpr file of both folders

    std::vector<std::string> paths;
    Json sum = Json::object();
    for (const char* name : fieldNames) sum[name] = 0;
    for (const Json& file : files) {
        SCOPED_TRACE(file.dump());
        paths.push_back(file["path"].get<std::string>());
        std::size_t i = 0;
        for (const auto& item : file["stats"].items()) EXPECT_EQ(item.key(), fieldNames[i++]);
        EXPECT_EQ(i, 14u);
        EXPECT_TRUE(file["error"].is_null() || file["error"].is_string());
        EXPECT_TRUE(file["exception"].is_null() || file["exception"].is_string());
        if (file["counts"].get<bool>())
            for (const char* name : fieldNames) sum[name] = sum[name].get<std::uint32_t>() + file["stats"][name].get<std::uint32_t>();
    }
    EXPECT_TRUE(std::is_sorted(paths.begin(), paths.end()));
    EXPECT_EQ(document["totals"], sum);
    EXPECT_EQ(document["totals"]["Files"], 10);

    auto find = [&](const char* sub) {
        const std::string path = Fixtures(sub);
        for (const Json& file : files)
            if (file["path"] == path) return file;
        ADD_FAILURE() << "no entry for " << path;
        return Json();
    };
    const Json illegal = find("bad/Illegal.pas");
    EXPECT_FALSE(illegal["counts"].get<bool>());
    EXPECT_EQ(illegal["error"], "Illegal text \"?\" at line 4 in " + Fixtures("bad/Illegal.pas"));
    EXPECT_TRUE(illegal["exception"].is_null());
    const Json empty = find("bad/Empty.pas");
    EXPECT_TRUE(empty["error"].is_null());
    EXPECT_EQ(empty["exception"], "LexLib: Input buffer underflow in " + Fixtures("bad/Empty.pas"));
    const Json shapes = find("good/Shapes.pas");
    EXPECT_TRUE(shapes["counts"].get<bool>());
    EXPECT_EQ(shapes["stats"]["TotalLines"], 49);
    EXPECT_EQ(shapes["stats"]["Classes"], 3);
    EXPECT_EQ(shapes["stats"]["Decisions"], 2);
    const Json interfaceOnly = find("good/InterfaceOnly.pas");
    EXPECT_FALSE(interfaceOnly["counts"].get<bool>());
    EXPECT_TRUE(interfaceOnly["error"].is_null());
}

// Only Milliseconds may differ from one run to the next.
Json WithoutTimes(Json document)
{
    document["totals"]["Milliseconds"] = 0;
    for (Json& file : document["files"]) file["stats"]["Milliseconds"] = 0;
    return document;
}

TEST(KestrixAnalyseTest, SameResultsForEveryNumberOfJobs)
{
    const std::vector<std::string> paths = {Fixtures("good"), Fixtures("bad"), Fixtures("good/sub")};
    auto run = [&](const char* jobs) {
        std::vector<std::string> args = {"--json", "--jobs", jobs};
        args.insert(args.end(), paths.begin(), paths.end());
        return WithoutTimes(RunJson(args, 1));
    };
    const Json one = run("1");
    EXPECT_EQ(one["files"].size(), 15u);  // Deep.pas, reached from two paths, is analysed once
    for (const char* jobs : {"2", "3", "16"}) {
        SCOPED_TRACE(jobs);
        EXPECT_EQ(run(jobs), one);
    }
}

}  // namespace
