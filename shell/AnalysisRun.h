// One run of the analysis command over the entries of a selection walk: the
// choice of files, their analysis and the totals of those that count.
// Portable: the walk and the message boxes belong to the caller.
#pragma once
#include <string>

#include "Lib/SourceFile.h"

class TAnalysisRun {
public:
    // `extensions` is the stored extension list, used as it is.
    TAnalysisRun(std::string extensions, TSourceReporter& reporter);

    // One entry of the walk: a name relative to the current directory. A
    // folder, and a file whose extension is not in the list, is skipped. A
    // file that counts adds its figures to the totals. The analysis's own
    // messages, and the message of an error that ended it, go to the
    // reporter; the run then goes on with the next entry.
    void AnalyseFile(const std::string& name, bool isDirectory);

    const TSourceStatistics& Totals() const noexcept { return totals_; }
    const std::string& Extensions() const noexcept { return extensions_; }

private:
    std::string extensions_;
    TSourceReporter& reporter_;
    TSourceStatistics totals_;
};
