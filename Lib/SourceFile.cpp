#include "Lib/SourceFile.h"

#include <chrono>
#include <cstring>
#include <filesystem>

#include "Lib/DelphiLexer.h"

namespace {

using namespace DelphiToken;

// The pseudo-token that stands for the closing parenthesis of an ancestor list.
constexpr std::int32_t ANCESTORS_CLOSED = 9999;

// The internal check of the token step; Analyse catches it itself.
class ESourceCheckFailed : public Exception {
public:
    explicit ESourceCheckFailed(int line)
        : Exception(std::string(SourceFileText::kAssertionFailure) + " (" + SourceFileText::kCheckPlace + ", line " +
                    std::to_string(line) + ")")
    {
    }
};

constexpr unsigned char kByteOrderMark[] = {0xEF, 0xBB, 0xBF};

}  // namespace

const TSourceStatisticsField kSourceStatisticsFields[14] = {
    {"BlankCommentLines", &TSourceStatistics::BlankCommentLines},
    {"BlankLines", &TSourceStatistics::BlankLines},
    {"Decisions", &TSourceStatistics::Decisions},
    {"Characters", &TSourceStatistics::Characters},
    {"Classes", &TSourceStatistics::Classes},
    {"TotalCodeLines", &TSourceStatistics::TotalCodeLines},
    {"CommentedCodeLines", &TSourceStatistics::CommentedCodeLines},
    {"TotalCommentLines", &TSourceStatistics::TotalCommentLines},
    {"Milliseconds", &TSourceStatistics::Milliseconds},
    {"Files", &TSourceStatistics::Files},
    {"Functions", &TSourceStatistics::Functions},
    {"TotalLines", &TSourceStatistics::TotalLines},
    {"OtherCodeLines", &TSourceStatistics::OtherCodeLines},
    {"Procedures", &TSourceStatistics::Procedures},
};

TSourceStatistics& TSourceStatistics::operator+=(const TSourceStatistics& other) noexcept
{
    for (const auto& field : kSourceStatisticsFields) this->*field.Member += other.*field.Member;
    return *this;
}

bool operator==(const TSourceStatistics& a, const TSourceStatistics& b) noexcept
{
    for (const auto& field : kSourceStatisticsFields)
        if (a.*field.Member != b.*field.Member) return false;
    return true;
}

void TSourceItemList::Add(TSourceItem* item)
{
    if (item == nullptr || item->Kind != Kind)
        throw ESourceCheckFailed(__LINE__);
    items_.push_back(item);
}

void TSourceItemList::RemoveLast() noexcept
{
    if (!items_.empty()) items_.pop_back();
}

std::uint32_t SourceTickCount() noexcept
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

std::string SourceFileLocation(const std::string& fileName)
{
    namespace fs = std::filesystem;
    // Messages are worded while errors are handled: a name that cannot be
    // converted to or from the system's path form is given as it is.
    try {
        if (fs::path(fileName).has_root_path()) return fileName;
        std::error_code ignored;
        std::string folder = fs::current_path(ignored).string();
        const char separator = static_cast<char>(fs::path::preferred_separator);
        if (folder.empty() || folder.back() != separator) folder += separator;
        return folder + fileName;
    } catch (const std::exception&) {
        return fileName;
    }
}

// One run of the token loop with its local state.
class TSourceModule::TScan {
public:
    TScan(TSourceModule& module, TDelphiLexer& lexer) : module_(module), stats_(module.statistics_), lexer_(lexer) {}

    // Leaves errorText set when the scan stopped at illegal text or an
    // unterminated comment.
    void Run()
    {
        for (std::int32_t token = lexer_.NextToken(); token > 0; token = lexer_.NextToken()) {
            if (token != COMMENT) CountCodeLine();
            std::int32_t previous = token;
            if (!TokenStep(token, previous)) return;
            if (token != COMMENT) previous_ = previous;
        }
    }

    bool Implementation() const noexcept { return implementation_; }
    const std::string& ErrorText() const noexcept { return errorText_; }
    // The line a message names; for an unterminated comment one less than
    // the lexer's count.
    std::int32_t Line() const noexcept { return lexer_.Line() + lineAdjustment_; }

private:
    void CountCodeLine()
    {
        const std::int32_t line = lexer_.Line();
        if (line <= lastCodeLine_) return;
        ++stats_.TotalCodeLines;
        if (line > lastCommentLine_) {
            ++stats_.OtherCodeLines;
            codeLineCommented_ = false;
        } else {
            // The line had been counted as a comment line and now holds code.
            --stats_.TotalCommentLines;
            ++stats_.CommentedCodeLines;
            codeLineCommented_ = true;
        }
        lastCodeLine_ = line;
    }

    void CountComment()
    {
        const std::int32_t line = lexer_.Line();
        if (line <= lastCommentLine_) return;
        std::int32_t start = lexer_.CommentStartLine();
        if (lastCodeLine_ >= start) {
            // The comment begins on a line that holds code: that line is
            // commented code, not a comment line. It moves from the other
            // code lines once only, so the two code counts always add up.
            if (!codeLineCommented_) {
                --stats_.OtherCodeLines;
                ++stats_.CommentedCodeLines;
                codeLineCommented_ = true;
            }
            lexer_.SetCommentStartLine(++start);
        }
        stats_.TotalCommentLines += static_cast<std::uint32_t>(line - start + 1);
        lastCommentLine_ = line;
    }

    void RaiseDepth() noexcept { ++blockDepth_; }
    void LowerDepth()
    {
        if (blockDepth_ == 0)
            throw ESourceDepthError(std::string(SourceFileText::kDepthBelowZero) + SourceFileText::kAtLine +
                                    std::to_string(lexer_.Line()));
        --blockDepth_;
    }

    template <class TItem>
    void NewItem(TSourceItemList& list)
    {
        module_.items_.push_back(std::make_unique<TItem>());
        current_ = static_cast<TSourceCodeBlock*>(module_.items_.back().get());
        list.Add(current_);
    }

    void NewRoutine(std::int32_t token)
    {
        if (previous_ == CLASS) {
            // A class method: the CLASS keyword made no class.
            module_.classList_.RemoveLast();
            LowerDepth();
        }
        if (implementation_ && !classFlag_) {
            if (token == FUNCTION)
                NewItem<TSourceFunction>(module_.functionList_);
            else
                NewItem<TSourceProcedure>(module_.procedureList_);
        }
    }

    // An assembler string: everything up to and including the next double
    // quote. A NUL (the end of the input) is left for the lexer to end on.
    void SkipAssemblerString()
    {
        for (;;) {
            const char c = lexer_.GetChar();
            if (c == '"') return;
            if (c == '\0') {
                lexer_.UngetChar(c);
                return;
            }
        }
    }

    // False to stop the scan. `previous` may be replaced by the pseudo-token
    // that the next token sees.
    bool TokenStep(std::int32_t token, std::int32_t& previous)
    {
        switch (token) {
        case ASM:
            RaiseDepth();
            assembler_ = true;
            break;
        case BEGIN:
            RaiseDepth();
            if (blockDepth_ == 1) NewItem<TSourceProcedure>(module_.procedureList_);
            break;
        case CASE:
            // A variant part inside a record has no END of its own.
            if (recordDepth_ == 0) RaiseDepth();
            break;
        case CLASS:
            NewItem<TSourceClass>(module_.classList_);
            RaiseDepth();
            classFlag_ = true;
            break;
        case CONSTRUCTOR:
        case DESTRUCTOR:
        case PROCEDURE:
        case FUNCTION:
            NewRoutine(token);
            break;
        case DISPINTERFACE:
        case OBJECT:
        case TRY:
            RaiseDepth();
            break;
        case END:
            if (blockDepth_ == 0) return false;
            if (assembler_ && previous_ == AT_SIGN) break;  // an assembler label
            LowerDepth();
            if (recordDepth_ > 0) --recordDepth_;
            classFlag_ = false;
            break;
        case FOR:
        case IF:
        case WHILE:
            if (current_ == nullptr) throw ESourceCheckFailed(__LINE__);
            ++current_->Decisions;
            ++stats_.Decisions;
            ++module_.Decisions;
            break;
        case IMPLEMENTATION:
            implementation_ = true;
            break;
        case INITIALIZATION:
        case FINALIZATION:
            NewItem<TSourceProcedure>(module_.procedureList_);
            break;
        case INTERFACE:
            if (previous_ == EQUAL)
                RaiseDepth();  // an interface type
            else if (!assembler_)
                implementation_ = false;
            break;
        case LEFT_PAREN:
            if (previous_ == CLASS || previous_ == OBJECT) ancestors_ = true;
            break;
        case RIGHT_PAREN:
            if (ancestors_) {
                ancestors_ = false;
                previous = ANCESTORS_CLOSED;
            }
            break;
        case OF:
            if (previous_ == CLASS) {
                // A class reference type.
                module_.classList_.RemoveLast();
                LowerDepth();
            }
            break;
        case LIBRARY:
        case PROGRAM:
            implementation_ = true;
            LowerDepth();
            break;
        case RECORD:
            RaiseDepth();
            ++recordDepth_;
            break;
        case SEMICOLON:
            // A declaration without a body.
            if (previous_ == CLASS || previous_ == ANCESTORS_CLOSED || previous_ == INTERFACE ||
                previous_ == DISPINTERFACE)
                LowerDepth();
            break;
        case COMMENT:
            CountComment();
            break;
        case ILLEGAL_CHAR:
            if (assembler_ && lexer_.Text() == "\"") {
                SkipAssemblerString();
                break;
            }
            errorText_ = std::string(SourceFileText::kIllegalText) + '"' + std::string(lexer_.Text()) + '"';
            return false;
        case UNTERMINATED_COMMENT:
            errorText_ = SourceFileText::kUnexpectedEof;
            lineAdjustment_ = -1;
            return false;
        default:
            break;
        }
        return true;
    }

    TSourceModule& module_;
    TSourceStatistics& stats_;
    TDelphiLexer& lexer_;

    std::uint32_t blockDepth_ = 1;
    std::uint32_t recordDepth_ = 0;
    bool assembler_ = false;
    bool implementation_ = false;
    bool classFlag_ = false;
    bool ancestors_ = false;
    std::int32_t previous_ = -1;
    std::int32_t lastCodeLine_ = 0;
    std::int32_t lastCommentLine_ = 0;
    bool codeLineCommented_ = false;  // the last code line counts as commented code
    TSourceCodeBlock* current_ = nullptr;
    std::string errorText_;
    std::int32_t lineAdjustment_ = 0;
};

TSourceModule::TSourceModule(const std::string& fileName, TSourceReporter& reporter)
    : fileName_(fileName), reporter_(reporter)
{
    Kind = skModule;
    stream_.LoadFromFile(fileName);
}

TSourceModule::TSourceModule(const std::string& fileName, std::string_view contents, TSourceReporter& reporter)
    : fileName_(fileName), reporter_(reporter)
{
    Kind = skModule;
    stream_.WriteBuffer(contents.data(), static_cast<std::int32_t>(contents.size()));
    stream_.SetPosition(0);
}

TSourceModule::~TSourceModule() = default;

void TSourceModule::ClearStatistics()
{
    classList_.Clear();
    functionList_.Clear();
    procedureList_.Clear();
    items_.clear();
    Decisions = 0;
    statistics_ = TSourceStatistics{};
    statistics_.Milliseconds = SourceTickCount();
    statistics_.Files = 1;
    stream_.SetPosition(0);
}

void TSourceModule::ReportError(const std::string& message)
{
    reporter_.ReportError(SourceFileText::kErrorCaption, message + SourceFileText::kIn + SourceFileLocation(fileName_));
}

bool TSourceModule::Analyse()
{
    TDelphiLexer lexer;
    lexer.SetInputStream(&stream_);
    ClearStatistics();
    // A unit saved as UTF-8 with a byte-order mark is scanned from the byte
    // after the mark; the mark still counts as characters of the file.
    if (stream_.Size() >= 3 && std::memcmp(stream_.Memory(), kByteOrderMark, 3) == 0) stream_.SetPosition(3);

    TScan scan(*this, lexer);
    try {
        scan.Run();
        if (!scan.ErrorText().empty())
            ReportError(scan.ErrorText() + SourceFileText::kAtLine + std::to_string(scan.Line()));
        const std::int32_t line = scan.Line();
        statistics_.TotalLines = static_cast<std::uint32_t>(lexer.Column() > 1 ? line : line - 1);
        statistics_.BlankCommentLines = lexer.BlankCommentLines();
        statistics_.BlankLines = lexer.BlankLines();
        statistics_.Classes = static_cast<std::uint32_t>(classList_.Count());
        statistics_.Functions = static_cast<std::uint32_t>(functionList_.Count());
        statistics_.Procedures = static_cast<std::uint32_t>(procedureList_.Count());
    } catch (const ESourceCheckFailed& failed) {
        ReportError(failed.what());
    }
    statistics_.Characters = static_cast<std::uint32_t>(stream_.GetSize());
    statistics_.Milliseconds = SourceTickCount() - statistics_.Milliseconds;
    return scan.ErrorText().empty() && scan.Implementation();
}

TSourceFileResult AnalyseSourceFile(const std::string& fileName, TSourceReporter& reporter)
{
    TSourceFileResult result;
    try {
        TSourceModule module(fileName, reporter);
        result.Counts = module.Analyse();
        result.Statistics = module.Statistics();
    } catch (const std::exception& error) {
        result = TSourceFileResult{};
        result.Exception = error.what() + std::string(SourceFileText::kIn) + SourceFileLocation(fileName);
    } catch (...) {
        result = TSourceFileResult{};
        result.Exception = SourceFileText::kUnknownError + std::string(SourceFileText::kIn) + SourceFileLocation(fileName);
    }
    return result;
}
