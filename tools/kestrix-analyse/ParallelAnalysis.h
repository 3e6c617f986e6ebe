// The analysis of many files on several threads, with results that do not
// depend on the number of threads.
#pragma once
#include <string>
#include <vector>

#include "Lib/SourceFile.h"

struct TFileAnalysis {
    std::string Path;
    TSourceFileResult Result;
    std::vector<std::string> Messages;  // the model's own messages about the file
};

// One entry per file, in the order of `files`, whatever the number of jobs.
std::vector<TFileAnalysis> AnalyseFiles(const std::vector<std::string>& files, unsigned jobs);

// The sum of the figures of the files that count.
TSourceStatistics TotalsOf(const std::vector<TFileAnalysis>& analyses);
