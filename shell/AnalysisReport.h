// The texts that end an analysis run: the report, its caption, its header and
// the one-line summary. Plain functions of the totals. Portable: no platform
// headers.
#pragma once
#include <string>

#include "Lib/SourceFile.h"

// The header of the report: the one selected path itself, or for several the
// current directory, a blank, a tab and "[selected files]".
std::string AnalysisReportHeader(int selectionCount, const std::string& path, const std::string& currentDirectory);

// The report text: header, figures and timing, each line ended by a line feed
// and a carriage return (in that order). The percentage lines appear only when
// BlankLines < TotalLines. All arithmetic is unsigned 32-bit.
std::string FormatAnalysisReport(const std::string& header, const TSourceStatistics& totals);

// The caption of the report box: the module's file name without folder and
// extension, then " - Analyse Pascal source code".
std::string AnalysisReportCaption(const std::string& modulePath);

// Characters, TotalLines, TotalCodeLines, TotalCommentLines, Classes,
// Functions, Procedures and Files, each followed by a tab.
std::string FormatAnalysisSummary(const TSourceStatistics& totals);
