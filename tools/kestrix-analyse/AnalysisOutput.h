// What kestrix-analyse prints: the report, the summary line or one JSON
// document, and the per-file messages.
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "tools/kestrix-analyse/ParallelAnalysis.h"

// The report text with the line ends of the stream (a line feed, which a
// text stream turns into the platform's own), ended by a line end.
void WriteReport(std::ostream& out, const std::string& header, const TSourceStatistics& totals);

// The summary line and a line end.
void WriteSummary(std::ostream& out, const TSourceStatistics& totals);

// {"totals": {...}, "files": [{"path", "counts", "error", "exception", "stats"}, ...]}
void WriteJson(std::ostream& out, const std::vector<TFileAnalysis>& analyses, const TSourceStatistics& totals);

// One line per message about a file (the model's own and errors that passed
// out), in the order of the files.
void WriteFileMessages(std::ostream& out, const std::vector<TFileAnalysis>& analyses);
