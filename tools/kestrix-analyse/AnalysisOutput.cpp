#include "tools/kestrix-analyse/AnalysisOutput.h"

#include <nlohmann/json.hpp>

#include "shell/AnalysisReport.h"

namespace {

using Json = nlohmann::ordered_json;

Json StatisticsJson(const TSourceStatistics& statistics)
{
    Json object = Json::object();
    for (const auto& field : kSourceStatisticsFields) object[field.Name] = statistics.*field.Member;
    return object;
}

Json TextOrNull(const std::string& text) { return text.empty() ? Json(nullptr) : Json(text); }

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string joined;
    for (const std::string& line : lines) joined += (joined.empty() ? "" : "\n") + line;
    return joined;
}

}  // namespace

void WriteReport(std::ostream& out, const std::string& header, const TSourceStatistics& totals)
{
    const std::string report = FormatAnalysisReport(header, totals);
    std::string text;
    text.reserve(report.size());
    for (std::string::size_type i = 0; i < report.size(); ++i) {
        text += report[i];
        if (report[i] == '\n' && i + 1 < report.size() && report[i + 1] == '\r') ++i;
    }
    out << text << '\n';
}

void WriteSummary(std::ostream& out, const TSourceStatistics& totals) { out << FormatAnalysisSummary(totals) << '\n'; }

void WriteJson(std::ostream& out, const std::vector<TFileAnalysis>& analyses, const TSourceStatistics& totals)
{
    Json files = Json::array();
    for (const TFileAnalysis& analysis : analyses) {
        Json file = Json::object();
        file["path"] = analysis.Path;
        file["counts"] = analysis.Result.Counts;
        file["error"] = TextOrNull(JoinLines(analysis.Messages));
        file["exception"] = TextOrNull(analysis.Result.Exception);
        file["stats"] = StatisticsJson(analysis.Result.Statistics);
        files.push_back(std::move(file));
    }
    Json document = Json::object();
    document["totals"] = StatisticsJson(totals);
    document["files"] = std::move(files);
    // Source texts are 8-bit: a byte that is not UTF-8 becomes U+FFFD.
    out << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

void WriteFileMessages(std::ostream& out, const std::vector<TFileAnalysis>& analyses)
{
    for (const TFileAnalysis& analysis : analyses) {
        for (const std::string& message : analysis.Messages) out << message << '\n';
        if (!analysis.Result.Exception.empty()) out << analysis.Result.Exception << '\n';
    }
}
