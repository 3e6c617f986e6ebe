#include "shell/AnalysisReport.h"

#include <cstdint>
#include <initializer_list>

#include "config/OptionTypes.h"

namespace {

using Stats = TSourceStatistics;

// The report's texts, each in one place.
constexpr char kSelectedFiles[] = "%s \t[selected files]";
constexpr char kCaptionSuffix[] = " - ";
constexpr char kSummaryField[] = "%d\t";
constexpr char kTiming[] = "Analysis of %d file(s) took %d milliseconds";

std::uint32_t CommentedAndComments(const Stats& s) { return s.CommentedCodeLines + s.TotalCommentLines; }
std::uint32_t NonBlankLines(const Stats& s) { return s.TotalLines - s.BlankLines; }

struct TReportPiece {
    const char* Format;
    std::uint32_t (*Value)(const Stats&);  // null: a piece without a number
    bool OnlyWithNonBlankLines;            // the percentages, which divide by TotalLines - BlankLines
};

const TReportPiece kReportPieces[] = {
    {"\n\r\n\r", nullptr, false},
    {"Characters\t\t%8d\n\r", [](const Stats& s) { return s.Characters; }, false},
    {"Total lines\t\t%8d\n\r", [](const Stats& s) { return s.TotalLines; }, false},
    {"Blank lines\t\t%8d\n\r", [](const Stats& s) { return s.BlankLines; }, false},
    {"\n\r", nullptr, false},
    {"Total code lines\t\t%8d\n\r", [](const Stats& s) { return s.TotalCodeLines; }, false},
    {"Commented code lines\t%8d\n\r", [](const Stats& s) { return s.CommentedCodeLines; }, false},
    {"Other code lines\t\t%8d\n\r", [](const Stats& s) { return s.OtherCodeLines; }, false},
    {"\n\r", nullptr, false},
    {"Total comment lines\t\t%8d\n\r", [](const Stats& s) { return s.TotalCommentLines; }, false},
    {"Significant comment lines\t%8d\n\r",
     [](const Stats& s) { return s.TotalCommentLines - s.BlankCommentLines; }, false},
    {"Blank comment lines\t\t%8d\n\r", [](const Stats& s) { return s.BlankCommentLines; }, false},
    {"Total comments\t\t%8d%%\n\r",
     [](const Stats& s) { return CommentedAndComments(s) * 100u / NonBlankLines(s); }, true},
    {"Significant comments\t%8d%%\n\r",
     [](const Stats& s) { return (CommentedAndComments(s) - s.BlankCommentLines) * 100u / NonBlankLines(s); }, true},
    {"\n\r", nullptr, false},
    {"Classes\t\t\t%8d\n\r", [](const Stats& s) { return s.Classes; }, false},
    {"Functions\t\t\t%8d\n\r", [](const Stats& s) { return s.Functions; }, false},
    {"Procedures\t\t%8d\n\r", [](const Stats& s) { return s.Procedures; }, false},
    {"\n\r", nullptr, false},
    {"\n\r", nullptr, false},
};

// Puts the numbers into "%d" and "%8d" (right-aligned in 8 places), in order,
// as unsigned values, and "%%" as a percent sign.
std::string FormatNumbers(const char* format, std::initializer_list<std::uint32_t> numbers)
{
    std::string out;
    auto next = numbers.begin();
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        if (p[1] == '%') {
            out += '%';
            ++p;
            continue;
        }
        std::string::size_type width = 0;
        if (p[1] == '8' && p[2] == 'd') {
            width = 8;
            ++p;
        }
        ++p;  // the 'd'
        const std::string digits = std::to_string(next != numbers.end() ? *next++ : 0u);
        if (digits.size() < width) out.append(width - digits.size(), ' ');
        out += digits;
    }
    return out;
}

}  // namespace

std::string AnalysisReportHeader(int selectionCount, const std::string& path, const std::string& currentDirectory)
{
    if (selectionCount == 1) return path;
    std::string header = kSelectedFiles;
    header.replace(header.find("%s"), 2, currentDirectory);
    return header;
}

std::string FormatAnalysisReport(const std::string& header, const TSourceStatistics& totals)
{
    std::string report = header;
    const bool hasNonBlankLines = totals.BlankLines < totals.TotalLines;
    for (const TReportPiece& piece : kReportPieces) {
        if (piece.OnlyWithNonBlankLines && !hasNonBlankLines) continue;
        report += piece.Value ? FormatNumbers(piece.Format, {piece.Value(totals)}) : piece.Format;
    }
    report += FormatNumbers(kTiming, {totals.Files, totals.Milliseconds});
    return report;
}

std::string AnalysisReportCaption(const std::string& modulePath)
{
    const std::string::size_type folderEnd = modulePath.find_last_of("\\/:");
    std::string name = folderEnd == std::string::npos ? modulePath : modulePath.substr(folderEnd + 1);
    const std::string::size_type point = name.rfind('.');
    if (point != std::string::npos) name.erase(point);
    return name + kCaptionSuffix + OptionTypeName(otAnalyse);
}

std::string FormatAnalysisSummary(const TSourceStatistics& totals)
{
    std::string summary;
    for (const std::uint32_t value : {totals.Characters, totals.TotalLines, totals.TotalCodeLines,
                                      totals.TotalCommentLines, totals.Classes, totals.Functions, totals.Procedures,
                                      totals.Files})
        summary += FormatNumbers(kSummaryField, {value});
    return summary;
}
