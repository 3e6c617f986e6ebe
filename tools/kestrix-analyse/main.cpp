// kestrix-analyse [--extensions LIST] [--json] [--jobs N] [--summary] PATH...
// The Pascal source analysis of the shell extension in a terminal.
#include <CLI/CLI.hpp>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <thread>

#include "config/StoreNames.h"
#include "shell/AnalysisReport.h"
#include "tools/kestrix-analyse/AnalysisOutput.h"
#include "tools/kestrix-analyse/FileSelection.h"
#include "tools/kestrix-analyse/ParallelAnalysis.h"

namespace fs = std::filesystem;

namespace {

constexpr char kProgram[] = "kestrix-analyse";

enum TExitStatus : int {
    esAllAnalysed = 0,
    esSomeFileFailed = 1,
    esBadUsage = 2,
};

struct TOptions {
    std::string Extensions = StoreNames::DefaultPascalExtensions;
    bool Json = false;
    bool Summary = false;
    unsigned Jobs = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::string> Paths;
};

// Every file is loaded whole and freed before the next one. By default the C
// library hands large blocks back to the system at once, and the next file
// then pays for fresh pages again: a tenth of the whole run on a large tree.
void KeepFreedMemoryForTheNextFile()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
#endif
}

int BadUsage(const std::string& message)
{
    std::cerr << kProgram << ": " << message << '\n';
    return esBadUsage;
}

std::string ReportHeader(const std::vector<std::string>& paths)
{
    const std::string current = fs::current_path().string();
    const std::string first = fs::absolute(paths.front()).lexically_normal().string();
    return AnalysisReportHeader(static_cast<int>(paths.size()), first, current);
}

int Run(const TOptions& options)
{
    std::vector<std::string> files;
    try {
        files = SelectSourceFiles(options.Paths, options.Extensions);
    } catch (const std::invalid_argument& error) {
        return BadUsage(error.what());
    }
    const std::vector<TFileAnalysis> analyses = AnalyseFiles(files, options.Jobs);
    const TSourceStatistics totals = TotalsOf(analyses);

    WriteFileMessages(std::cerr, analyses);
    if (options.Json)
        WriteJson(std::cout, analyses, totals);
    else if (options.Summary)
        WriteSummary(std::cout, totals);
    else
        WriteReport(std::cout, ReportHeader(options.Paths), totals);
    std::cout.flush();

    for (const TFileAnalysis& analysis : analyses)
        if (!analysis.Result.Exception.empty()) return esSomeFileFailed;
    return esAllAnalysed;
}

}  // namespace

int main(int argc, char** argv)
{
    KeepFreedMemoryForTheNextFile();
    TOptions options;
    CLI::App app{"Counts the lines, comments, classes, functions and procedures of Pascal source files.", kProgram};
    app.add_option("--extensions", options.Extensions,
                   "file extensions to take, searched as text (a file's extension must occur in it)")
        ->capture_default_str();
    auto* json = app.add_flag("--json", options.Json, "print one JSON document with the totals and every file");
    app.add_flag("--summary", options.Summary, "print only the summary line")->excludes(json);
    app.add_option("--jobs", options.Jobs, "files analysed at the same time (default: the number of processors)")
        ->check(CLI::Range(1u, 1024u));
    app.add_option("PATH", options.Paths, "files and folders; folders are walked recursively")->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::ParseError& error) {
        return BadUsage(error.what());
    }
    try {
        return Run(options);
    } catch (const std::exception& error) {
        std::cerr << kProgram << ": " << error.what() << '\n';
        return esSomeFileFailed;
    }
}
