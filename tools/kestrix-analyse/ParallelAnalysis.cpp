#include "tools/kestrix-analyse/ParallelAnalysis.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace {

class TCollectingReporter : public TSourceReporter {
public:
    explicit TCollectingReporter(std::vector<std::string>& messages) : messages_(messages) {}
    void ReportError(const std::string&, const std::string& text) override { messages_.push_back(text); }

private:
    std::vector<std::string>& messages_;
};

void AnalyseOne(TFileAnalysis& analysis)
{
    TCollectingReporter reporter(analysis.Messages);
    analysis.Result = AnalyseSourceFile(analysis.Path, reporter);
}

}  // namespace

std::vector<TFileAnalysis> AnalyseFiles(const std::vector<std::string>& files, unsigned jobs)
{
    std::vector<TFileAnalysis> analyses(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) analyses[i].Path = files[i];

    // Each worker takes the next file not yet taken; every result has its
    // own slot, so the order is that of the list.
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < analyses.size(); i = next++) AnalyseOne(analyses[i]);
    };
    const std::size_t threads = std::min<std::size_t>(std::max(jobs, 1u), analyses.size());
    std::vector<std::thread> workers;
    for (std::size_t t = 1; t < threads; ++t) workers.emplace_back(work);
    work();
    for (std::thread& worker : workers) worker.join();
    return analyses;
}

TSourceStatistics TotalsOf(const std::vector<TFileAnalysis>& analyses)
{
    TSourceStatistics totals;
    for (const TFileAnalysis& analysis : analyses)
        if (analysis.Result.Counts) totals += analysis.Result.Statistics;
    return totals;
}
