// Any bytes through the Pascal lexer and the source model must end in figures
// or in one of the documented errors: never a crash, a sanitizer report, a
// hang or a counter that wrapped below 0.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "Lib/DelphiLexer.h"
#include "Lib/SourceFile.h"
#include "support/Streams.h"

namespace {

class TSilentReporter : public TSourceReporter {
public:
    void ReportError(const std::string&, const std::string&) override {}
};

bool IsDocumentedLexerError(const ELexLibError& error)
{
    for (const char* message : {LexLibText::kInputBufferUnderflow, LexLibText::kTooManyRules,
                                LexLibText::kMatchStackOverflow, LexLibText::kTokenBufferOverflow})
        if (std::string(LexLibText::kPrefix) + message == error.what()) return true;
    return false;
}

void Require(bool condition)
{
    if (!condition) std::abort();
}

void ScanTokens(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream stream;
    stream.WriteBuffer(data, static_cast<std::int32_t>(size));
    stream.SetPosition(0);
    TDelphiLexer lexer;
    lexer.SetInputStream(&stream);
    try {
        for (std::int32_t token = lexer.NextToken(); token != 0; token = lexer.NextToken())
            Require(token >= 257 && token <= DelphiToken::ON);
        Require(lexer.Line() >= 1);
    } catch (const ELexLibError& error) {
        Require(IsDocumentedLexerError(error));
    }
}

void AnalyseModule(const std::uint8_t* data, std::size_t size)
{
    TSilentReporter reporter;
    TSourceModule module("fuzz.pas", std::string_view(reinterpret_cast<const char*>(data), size), reporter);
    try {
        module.Analyse();
        const TSourceStatistics& s = module.Statistics();
        Require(s.TotalCodeLines == s.CommentedCodeLines + s.OtherCodeLines);
        Require(s.OtherCodeLines <= s.TotalCodeLines);
        Require(s.TotalCommentLines < 0x80000000u);
        Require(s.Characters == size);
        Require(s.Classes == static_cast<std::uint32_t>(module.ClassList().Count()) || s.Classes == 0);
    } catch (const ELexLibError& error) {
        Require(IsDocumentedLexerError(error));
    } catch (const ESourceDepthError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 1 << 20) return 0;  // the window logic is the same at any size
    ScanTokens(data, size);
    AnalyseModule(data, size);
    return 0;
}
