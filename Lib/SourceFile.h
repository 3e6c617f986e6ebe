// The source model: one Pascal source file turned into figures. The module
// runs the Pascal lexer once over the whole file and, token by token, counts
// code, comment and blank lines, decisions, classes, functions and procedures.
// There is no syntax tree; a small block-depth bookkeeping tells declarations
// from bodies. Portable: no platform headers.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "support/Errors.h"
#include "support/Streams.h"

// Fourteen counters in a fixed order; whole records are added field by field.
struct TSourceStatistics {
    std::uint32_t BlankCommentLines = 0;
    std::uint32_t BlankLines = 0;
    std::uint32_t Decisions = 0;
    std::uint32_t Characters = 0;
    std::uint32_t Classes = 0;
    std::uint32_t TotalCodeLines = 0;
    std::uint32_t CommentedCodeLines = 0;
    std::uint32_t TotalCommentLines = 0;
    std::uint32_t Milliseconds = 0;
    std::uint32_t Files = 0;
    std::uint32_t Functions = 0;
    std::uint32_t TotalLines = 0;
    std::uint32_t OtherCodeLines = 0;
    std::uint32_t Procedures = 0;

    TSourceStatistics& operator+=(const TSourceStatistics& other) noexcept;
    friend bool operator==(const TSourceStatistics& a, const TSourceStatistics& b) noexcept;
    friend bool operator!=(const TSourceStatistics& a, const TSourceStatistics& b) noexcept { return !(a == b); }
};

// The fields in record order with their names, for front ends that print them.
struct TSourceStatisticsField {
    const char* Name;
    std::uint32_t TSourceStatistics::*Member;
};
extern const TSourceStatisticsField kSourceStatisticsFields[14];

enum : std::uint8_t {
    skClass = 0,
    skFunction = 2,
    skModule = 3,
    skProcedure = 4,
};

class TSourceItem {
public:
    virtual ~TSourceItem() = default;
    std::uint8_t Kind = 0;
};

class TSourceCodeBlock : public TSourceItem {
public:
    // FOR, IF and WHILE keywords met while this item was the current item.
    std::int32_t Decisions = 0;
};

class TSourceClass : public TSourceCodeBlock {
public:
    TSourceClass() { Kind = skClass; }
};

class TSourceFunction : public TSourceCodeBlock {
public:
    TSourceFunction() { Kind = skFunction; }
};

class TSourceProcedure : public TSourceCodeBlock {
public:
    TSourceProcedure() { Kind = skProcedure; }
};

// A list of the items of one kind. It does not own them: the module does.
class TSourceItemList {
public:
    explicit TSourceItemList(std::uint8_t kind) noexcept : Kind(kind) {}

    // The item's kind must be the list's kind.
    void Add(TSourceItem* item);
    // Takes the last item out of the list; the item itself lives on.
    void RemoveLast() noexcept;
    void Clear() noexcept { items_.clear(); }

    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(items_.size()); }
    TSourceItem* Items(std::int32_t index) const { return items_.at(static_cast<std::size_t>(index)); }

    const std::uint8_t Kind;

private:
    std::vector<TSourceItem*> items_;
};

// Where the model's messages go. The shell extension shows them in a message
// box, a command-line tool prints them; the model only words them.
class TSourceReporter {
public:
    virtual ~TSourceReporter() = default;
    virtual void ReportError(const std::string& caption, const std::string& text) = 0;
};

// Raised when the block depth would have to go below 0, which only malformed
// text (a second PROGRAM keyword, say) brings about.
class ESourceDepthError : public Exception {
public:
    using Exception::Exception;
};

// The model's own texts, each in one place.
namespace SourceFileText {
inline constexpr char kErrorCaption[] = "Error";
inline constexpr char kIllegalText[] = "Illegal text ";
inline constexpr char kUnexpectedEof[] = "Unexpected EOF inside comment";
inline constexpr char kAtLine[] = " at line ";
inline constexpr char kIn[] = " in ";
inline constexpr char kAssertionFailure[] = "Assertion failure";
inline constexpr char kCheckPlace[] = "Lib/SourceFile";
inline constexpr char kDepthBelowZero[] = "Block depth below zero";
inline constexpr char kUnknownError[] = "Unknown error";
}  // namespace SourceFileText

// The tick count of the system clock in milliseconds, wrapping at 2 to the 32.
std::uint32_t SourceTickCount() noexcept;

// How a message names a file: a name with a root as it is, any other name
// behind the current directory and a separator.
std::string SourceFileLocation(const std::string& fileName);

class TSourceModule : public TSourceCodeBlock {
public:
    // Loads the whole file (read access, writing by others denied); a name
    // without a folder is relative to the current directory.
    TSourceModule(const std::string& fileName, TSourceReporter& reporter);
    // A module over bytes that are already in memory, named fileName.
    TSourceModule(const std::string& fileName, std::string_view contents, TSourceReporter& reporter);
    ~TSourceModule() override;
    TSourceModule(const TSourceModule&) = delete;
    TSourceModule& operator=(const TSourceModule&) = delete;

    // Runs the analysis once. True when the file counts: no error was
    // reported and it had an implementation part or was a program or library.
    // Lexer, stream and block-depth errors pass out.
    bool Analyse();
    void ClearStatistics();

    const TSourceStatistics& Statistics() const noexcept { return statistics_; }
    const TSourceItemList& ClassList() const noexcept { return classList_; }
    const TSourceItemList& FunctionList() const noexcept { return functionList_; }
    const TSourceItemList& ProcedureList() const noexcept { return procedureList_; }
    const std::string& FileName() const noexcept { return fileName_; }

private:
    class TScan;
    // The message, " in " and the file, to the reporter under "Error".
    void ReportError(const std::string& message);

    TMemoryStream stream_;
    TSourceStatistics statistics_;
    TSourceItemList classList_{skClass};
    TSourceItemList functionList_{skFunction};
    TSourceItemList procedureList_{skProcedure};
    std::string fileName_;
    TSourceReporter& reporter_;
    std::vector<std::unique_ptr<TSourceItem>> items_;  // every item ever made, listed or not
};

// The outcome of one file's analysis with every error caught.
struct TSourceFileResult {
    bool Counts = false;
    TSourceStatistics Statistics;  // all 0 when an error passed out
    std::string Exception;         // the message of an error that passed out, worded like the model's own
};

// Loads and analyses one file; no error of the analysis passes out. The
// model's own messages go to the reporter; an error that passes out of the
// analysis (lexer, loading, block depth) is caught, the file does not count
// and its message is returned for the caller to show like the model's own.
TSourceFileResult AnalyseSourceFile(const std::string& fileName, TSourceReporter& reporter);
