#include "shell/AnalysisRun.h"

#include <utility>

#include "shell/AnalysisSelection.h"

TAnalysisRun::TAnalysisRun(std::string extensions, TSourceReporter& reporter)
    : extensions_(std::move(extensions)), reporter_(reporter)
{
}

void TAnalysisRun::AnalyseFile(const std::string& name, bool isDirectory)
{
    if (isDirectory || !IsPascalSourceName(name, extensions_)) return;
    const TSourceFileResult result = AnalyseSourceFile(name, reporter_);
    if (!result.Exception.empty()) reporter_.ReportError(SourceFileText::kErrorCaption, result.Exception);
    if (result.Counts) totals_ += result.Statistics;
}
