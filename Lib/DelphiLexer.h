// The Pascal scanner: the automaton of the Pascal token rules on the lexer
// engine, keyword lookup in two sorted tables and the blank-line count.
// Delivers the codes of DelphiTokens.h; comments are tokens, blanks are not.
#pragma once
#include <cstdint>
#include <string_view>

#include "Lib/DelphiTokens.h"
#include "Lib/LexLib.h"

struct TKeyword {
    const char* Word;  // upper case
    std::int32_t Code;
};

// A keyword table, sorted in ascending byte order.
struct TKeywordTable {
    const TKeyword* Entries;
    std::int32_t Count;
};

extern const TKeywordTable kReservedWords;   // 72 words
extern const TKeywordTable kDirectiveWords;  // 28 words

// Case-insensitive for the ASCII letters only; the code of the word when found.
bool LookupKeyword(std::string_view word, const TKeywordTable& table, std::int32_t& code);

class TDelphiLexer : public TCustomLexer {
public:
    TDelphiLexer();

    std::int32_t NextToken() override;

    // Line feeds that stand at the start of a line: the blank lines.
    std::uint32_t BlankLines() const noexcept { return blankLines_; }

    // The automaton, built once from the rules.
    static const TLexerTables& Tables();

protected:
    void RuleAction(std::int32_t rule) override;

private:
    void Action(std::int32_t rule);

    const TLexerTables& tables_;
    std::uint32_t blankLines_ = 0;
};
