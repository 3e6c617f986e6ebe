// The Pascal lexer: its automaton, the keyword tables and lookup, the tokens
// of the rules with their edge cases, comments, blank lines and line counts.
#include "Lib/DelphiLexer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "support/Streams.h"
#include "tests/Lib/LexerTokens.h"

namespace {

namespace T = DelphiToken;

// A Pascal lexer over its own memory stream.
struct TPascalScan {
    explicit TPascalScan(const std::string& input) {
        stream.WriteBuffer(input.data(), static_cast<std::int32_t>(input.size()));
        stream.SetPosition(0);
        lexer.SetInputStream(&stream);
    }
    std::vector<TToken> All() { return CollectTokens(lexer); }
    std::vector<std::int32_t> Codes() {
        std::vector<std::int32_t> codes;
        for (const TToken& token : All()) codes.push_back(token.code);
        return codes;
    }
    TMemoryStream stream;
    TDelphiLexer lexer;
};

std::string ErrorOf(const std::string& input) {
    TPascalScan scan(input);
    try {
        scan.All();
    } catch (const ELexLibError& error) {
        return error.what();
    }
    return "no error";
}

std::vector<std::int32_t> RulesOf(const TLexerTables& tables, std::int32_t state) {
    const std::int32_t* rules = tables.RulesOf(state);
    return {rules, rules + tables.RuleCount(state)};
}

TEST(DelphiLexerAutomaton, HasFortySixStates) {
    EXPECT_EQ(TDelphiLexer::Tables().StateCount(), 46);
}

TEST(DelphiLexerAutomaton, StartStatesDifferOnlyInTheLineFeed) {
    const TLexerTables& tables = TDelphiLexer::Tables();
    for (int c = 0; c < 256; ++c) {
        if (c == '\n') continue;
        SCOPED_TRACE(c);
        EXPECT_EQ(tables.Target(0, static_cast<unsigned char>(c)), tables.Target(1, static_cast<unsigned char>(c)));
    }
    EXPECT_EQ(RulesOf(tables, tables.Target(0, '\n')), (std::vector<std::int32_t>{36}));
    EXPECT_EQ(RulesOf(tables, tables.Target(1, '\n')), (std::vector<std::int32_t>{35, 36}));
    EXPECT_EQ(tables.RuleCount(0), 0);
    EXPECT_EQ(tables.RuleCount(1), 0);
}

TEST(DelphiLexerAutomaton, NulEndsEveryState) {
    const TLexerTables& tables = TDelphiLexer::Tables();
    for (std::int32_t state = 0; state < tables.StateCount(); ++state) {
        SCOPED_TRACE(state);
        EXPECT_EQ(tables.Target(state, '\0'), TLexerTables::kNoState);
    }
}

TEST(DelphiLexerKeywords, TablesAreSortedUpperCaseAndShort) {
    struct Case {
        const TKeywordTable& table;
        std::int32_t count;
    };
    for (const Case& c : {Case{kReservedWords, 72}, Case{kDirectiveWords, 28}}) {
        ASSERT_EQ(c.table.Count, c.count);
        for (std::int32_t i = 0; i < c.table.Count; ++i) {
            const std::string word = c.table.Entries[i].Word;
            SCOPED_TRACE(word);
            EXPECT_LE(word.size(), 20u);
            EXPECT_EQ(word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos);
            if (i > 0) {
                EXPECT_LT(std::strcmp(c.table.Entries[i - 1].Word, word.c_str()), 0);
            }
        }
    }
}

TEST(DelphiLexerKeywords, CodesFollowTheAlphabetAfterAnd) {
    std::vector<TKeyword> all;
    for (const TKeywordTable* table : {&kReservedWords, &kDirectiveWords}) {
        all.insert(all.end(), table->Entries, table->Entries + table->Count);
    }
    std::sort(all.begin(), all.end(),
              [](const TKeyword& a, const TKeyword& b) { return std::strcmp(a.Word, b.Word) < 0; });
    std::int32_t next = 258;
    for (const TKeyword& keyword : all) {
        SCOPED_TRACE(keyword.Word);
        if (std::strcmp(keyword.Word, "AND") == 0) {
            EXPECT_EQ(keyword.Code, 257);
        } else if (std::strcmp(keyword.Word, "ON") == 0) {
            EXPECT_EQ(keyword.Code, 389);
        } else {
            EXPECT_EQ(keyword.Code, next++);
        }
    }
    EXPECT_EQ(next, 356);
}

TEST(DelphiLexerKeywords, LookupIgnoresTheCaseOfAsciiLettersOnly) {
    struct Case {
        const char* word;
        const TKeywordTable& table;
        bool found;
        std::int32_t code;
    };
    const Case cases[] = {
        {"begin", kReservedWords, true, T::BEGIN},
        {"BeGiN", kReservedWords, true, T::BEGIN},
        {"and", kReservedWords, true, T::AND},
        {"xor", kReservedWords, true, T::XOR},
        {"On", kReservedWords, true, T::ON},
        {"stringresource", kReservedWords, true, T::STRINGRESOURCE},
        {"str", kReservedWords, false, 0},
        {"strings", kReservedWords, false, 0},
        {"read", kReservedWords, false, 0},
        {"read", kDirectiveWords, true, T::READ},
        {"ReadOnly", kDirectiveWords, true, T::READONLY},
        {"reader", kDirectiveWords, false, 0},
        {"absolute", kDirectiveWords, true, T::ABSOLUTE},
        {"writeonly", kDirectiveWords, true, T::WRITEONLY},
        {"\xFC", kReservedWords, false, 0},
        {"", kReservedWords, false, 0},
        {"beginbeginbeginbeginbegin", kReservedWords, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        std::int32_t code = 0;
        EXPECT_EQ(LookupKeyword(c.word, c.table, code), c.found);
        if (c.found) {
            EXPECT_EQ(code, c.code);
        }
    }
}

// The scanner finds words by its own index; it must deliver what the lookup
// in the two tables gives, for every keyword and for words close to one.
TEST(DelphiLexerKeywords, WordTokensAgreeWithTheTableLookup) {
    const auto expected = [](const std::string& word) {
        std::int32_t code = 0;
        if (LookupKeyword(word, kReservedWords, code)) return code;
        if (LookupKeyword(word, kDirectiveWords, code)) return std::int32_t{T::DIRECTIVE};
        return std::int32_t{T::IDENTIFIER};
    };
    std::vector<std::string> words;
    for (const TKeywordTable* table : {&kReservedWords, &kDirectiveWords}) {
        for (std::int32_t i = 0; i < table->Count; ++i) {
            const std::string word = table->Entries[i].Word;
            std::string lower = word;
            for (char& c : lower) c = static_cast<char>(c - 'A' + 'a');
            std::string mixed = lower;
            mixed[0] = word[0];
            words.insert(words.end(), {word, lower, mixed, word + "X", word + "0", word + "_", "_" + word,
                                       word.substr(0, word.size() - 1), word + "\xFC"});
        }
    }
    words.insert(words.end(), {"A", "Z", "x", "\xFC", std::string(20, 'A'), std::string(21, 'B'), "BEGINEND"});
    for (const std::string& word : words) {
        SCOPED_TRACE(word);
        TPascalScan scan(word + " ");
        EXPECT_EQ(scan.All(), (std::vector<TToken>{{expected(word), word}}));
    }
}

TEST(DelphiLexerTokens, RulesDeliverTheirTokens) {
    struct Case {
        std::string input;
        std::vector<TToken> tokens;
    };
    using namespace std::string_literals;
    const Case cases[] = {
        // Words: reserved words, directives, identifiers.
        {"Begin BEGIN begin", {{T::BEGIN, "Begin"}, {T::BEGIN, "BEGIN"}, {T::BEGIN, "begin"}}},
        {"Read Reader", {{T::DIRECTIVE, "Read"}, {T::IDENTIFIER, "Reader"}}},
        {"on of", {{T::ON, "on"}, {T::OF, "of"}}},
        {"_a1 x\xFCy", {{T::IDENTIFIER, "_a1"}, {T::IDENTIFIER, "x\xFCy"}}},
        {"caf\xE9", {{T::IDENTIFIER, "caf"}, {T::ILLEGAL_CHAR, "\xE9"}}},
        {"1abc", {{T::INTEGER_NUMBER, "1"}, {T::IDENTIFIER, "abc"}}},
        // Numbers.
        {"x:=$1F;", {{T::IDENTIFIER, "x"}, {T::ASSIGN, ":="}, {T::HEX_NUMBER, "$1F"}, {T::SEMICOLON, ";"}}},
        {"$", {{T::ILLEGAL_CHAR, "$"}}},
        {"$g", {{T::ILLEGAL_CHAR, "$"}, {T::IDENTIFIER, "g"}}},
        {"$aBc9", {{T::HEX_NUMBER, "$aBc9"}}},
        {"1.5e3", {{T::REAL_NUMBER, "1.5"}, {T::IDENTIFIER, "e3"}}},
        {"1..9", {{T::INTEGER_NUMBER, "1"}, {T::DOTDOT, ".."}, {T::INTEGER_NUMBER, "9"}}},
        {"1.x", {{T::INTEGER_NUMBER, "1"}, {T::DOT, "."}, {T::IDENTIFIER, "x"}}},
        {"1.", {{T::INTEGER_NUMBER, "1"}, {T::DOT, "."}}},
        {"007 3.25", {{T::INTEGER_NUMBER, "007"}, {T::REAL_NUMBER, "3.25"}}},
        {"#13#10", {{T::HASH, "#"}, {T::INTEGER_NUMBER, "13"}, {T::HASH, "#"}, {T::INTEGER_NUMBER, "10"}}},
        // Strings.
        {"''", {{T::STRING_LITERAL, "''"}}},
        {"''''", {{T::STRING_LITERAL, "''''"}}},
        {"'it''s'", {{T::STRING_LITERAL, "'it''s'"}}},
        {"'a''''b'", {{T::STRING_LITERAL, "'a''''b'"}}},
        {"'a''", {{T::STRING_LITERAL, "'a'"}, {T::ILLEGAL_CHAR, "'"}}},
        {"'two\nlines'", {{T::STRING_LITERAL, "'two\nlines'"}}},
        {"'abc", {{T::ILLEGAL_CHAR, "'"}, {T::IDENTIFIER, "abc"}}},
        {"'' ''", {{T::STRING_LITERAL, "''"}, {T::STRING_LITERAL, "''"}}},
        {"'a'#13'b'", {{T::STRING_LITERAL, "'a'"}, {T::HASH, "#"}, {T::INTEGER_NUMBER, "13"},
                       {T::STRING_LITERAL, "'b'"}}},
        // Operators and punctuation, longest first.
        {":= : , . .. = >= > [ <= ( < - <> + ] ) ; @ # / * ** -> ^",
         {{T::ASSIGN, ":="}, {T::COLON, ":"}, {T::COMMA, ","}, {T::DOT, "."}, {T::DOTDOT, ".."},
          {T::EQUAL, "="}, {T::GREATER_EQUAL, ">="}, {T::GREATER, ">"}, {T::LEFT_BRACKET, "["},
          {T::LESS_EQUAL, "<="}, {T::LEFT_PAREN, "("}, {T::LESS, "<"}, {T::MINUS, "-"}, {T::NOT_EQUAL, "<>"},
          {T::PLUS, "+"}, {T::RIGHT_BRACKET, "]"}, {T::RIGHT_PAREN, ")"}, {T::SEMICOLON, ";"},
          {T::AT_SIGN, "@"}, {T::HASH, "#"}, {T::SLASH, "/"}, {T::STAR, "*"}, {T::STAR_STAR, "**"},
          {T::CARET, "->"}, {T::CARET, "^"}}},
        {"<>=>==", {{T::NOT_EQUAL, "<>"}, {T::EQUAL, "="}, {T::GREATER_EQUAL, ">="}, {T::EQUAL, "="}}},
        {"...***-->", {{T::DOTDOT, ".."}, {T::DOT, "."}, {T::STAR_STAR, "**"}, {T::STAR, "*"}, {T::MINUS, "-"},
                       {T::CARET, "->"}}},
        {"a.b^", {{T::IDENTIFIER, "a"}, {T::DOT, "."}, {T::IDENTIFIER, "b"}, {T::CARET, "^"}}},
        // Characters that begin no token; control-Z is skipped.
        {"\"\\!?%&|~}", {{T::ILLEGAL_CHAR, "\""}, {T::ILLEGAL_CHAR, "\\"}, {T::ILLEGAL_CHAR, "!"},
                         {T::ILLEGAL_CHAR, "?"}, {T::ILLEGAL_CHAR, "%"}, {T::ILLEGAL_CHAR, "&"},
                         {T::ILLEGAL_CHAR, "|"}, {T::ILLEGAL_CHAR, "~"}, {T::ILLEGAL_CHAR, "}"}}},
        {"\x80\xFB\xFD\xFF\x01\x7F", {{T::ILLEGAL_CHAR, "\x80"}, {T::ILLEGAL_CHAR, "\xFB"}, {T::ILLEGAL_CHAR, "\xFD"},
                                      {T::ILLEGAL_CHAR, "\xFF"}, {T::ILLEGAL_CHAR, "\x01"}, {T::ILLEGAL_CHAR, "\x7F"}}},
        {"a\x1A\x1A b\x1A", {{T::IDENTIFIER, "a"}, {T::IDENTIFIER, "b"}}},
        {"'\x1A'", {{T::STRING_LITERAL, "'\x1A'"}}},
        // Blanks and line ends produce nothing.
        {" \t\f\n\r\n", {}},
        {"a\tb\fc", {{T::IDENTIFIER, "a"}, {T::IDENTIFIER, "b"}, {T::IDENTIFIER, "c"}}},
        // A NUL ends the input.
        {"a\0b"s, {{T::IDENTIFIER, "a"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        TPascalScan scan(c.input);
        EXPECT_EQ(scan.All(), c.tokens);
    }
}

TEST(DelphiLexerTokens, CommentsAreTokensWithTheirTextInTheCommentBuffer) {
    struct Case {
        std::string input;
        std::vector<TToken> tokens;
        std::string lastComment;
    };
    using namespace std::string_literals;
    const Case cases[] = {
        {"{ x }", {{T::COMMENT, "{"}}, "{ x }"},
        {"{$IFDEF X}a", {{T::COMMENT, "{"}, {T::IDENTIFIER, "a"}}, "{$IFDEF X}"},
        {"(* x *)", {{T::COMMENT, "(*"}}, "(* x *)"},
        {"(*) x *) y", {{T::COMMENT, "(*"}, {T::IDENTIFIER, "y"}}, "(*) x *)"},
        {"// x\ny", {{T::COMMENT, "//"}, {T::IDENTIFIER, "y"}}, "// x"},
        {"a// x", {{T::IDENTIFIER, "a"}, {T::COMMENT, "//"}}, "// x\0"s},
        {"a/ /b", {{T::IDENTIFIER, "a"}, {T::SLASH, "/"}, {T::SLASH, "/"}, {T::IDENTIFIER, "b"}}, ""},
        // The kinds neither nest nor close one another.
        {"(* } *)", {{T::COMMENT, "(*"}}, "(* } *)"},
        {"{ *) }", {{T::COMMENT, "{"}}, "{ *) }"},
        {"{ { } }", {{T::COMMENT, "{"}, {T::ILLEGAL_CHAR, "}"}}, "{ { }"},
        {"(* (* *) *)", {{T::COMMENT, "(*"}, {T::STAR, "*"}, {T::RIGHT_PAREN, ")"}}, "(* (* *)"},
        {"{ // }x", {{T::COMMENT, "{"}, {T::IDENTIFIER, "x"}}, "{ // }"},
        {"// { x\n}", {{T::COMMENT, "//"}, {T::ILLEGAL_CHAR, "}"}}, "// { x"},
        {"'{' {'}", {{T::STRING_LITERAL, "'{'"}, {T::COMMENT, "{"}}, "{'}"},
        // Cut off by the end of the input.
        {"{ x", {{T::UNTERMINATED_COMMENT, "{"}}, "{ x\0"s},
        {"(* x *", {{T::UNTERMINATED_COMMENT, "(*"}}, "(* x *\0"s},
        {"(*)", {{T::UNTERMINATED_COMMENT, "(*"}}, "(*)\0"s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        TPascalScan scan(c.input);
        EXPECT_EQ(scan.All(), c.tokens);
        EXPECT_EQ(scan.lexer.CommentBuffer().Text(), c.lastComment);
    }
}

TEST(DelphiLexerLines, LinesColumnsAndBlankLines) {
    struct Case {
        std::string input;
        std::int32_t line;
        std::int32_t column;
        std::uint32_t blankLines;
        std::uint32_t blankCommentLines;
    };
    const Case cases[] = {
        {"\r\r\r", 1, 1, 0, 0},
        {"\n", 2, 1, 1, 0},
        {"\nx", 2, 2, 1, 0},
        {"a\n\n\na", 4, 2, 2, 0},
        {"a\r\n\r\n\r\na", 4, 2, 2, 0},
        {"a\r\r\ra", 1, 3, 0, 0},
        {"a\n", 2, 1, 0, 0},
        {"a\nbc", 2, 3, 0, 0},
        // A line of blanks is not blank: its line feed follows a blank.
        {"a\n  \n\t\nb", 4, 2, 0, 0},
        {"{ c }\n\n", 3, 1, 1, 0},
        {"{ c\n\n\nd }\n", 5, 1, 0, 2},
        {"(* c *)\n\n\nx", 4, 2, 2, 0},
        // A line comment leaves its line end to be read as a blank.
        {"// c\n\n", 3, 1, 1, 0},
        {"x // c", 2, 1, 0, 0},
        {"x // c\n", 2, 1, 0, 0},
        {"x // c\r\n", 2, 1, 0, 0},
        {"// a\n// b\n\n// c", 5, 1, 1, 0},
        {"'a\n\nb'", 3, 3, 0, 0},
        {"x\x1A", 1, 3, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        TPascalScan scan(c.input);
        scan.All();
        EXPECT_EQ(scan.lexer.Line(), c.line);
        EXPECT_EQ(scan.lexer.Column(), c.column);
        EXPECT_EQ(scan.lexer.BlankLines(), c.blankLines);
        EXPECT_EQ(scan.lexer.BlankCommentLines(), c.blankCommentLines);
    }
}

TEST(DelphiLexerLines, CommentStartAndEndLines) {
    TPascalScan scan("x\n{ a\nb\nc }\ny // d\n(* e\n*)");
    const std::vector<std::pair<std::int32_t, std::int32_t>> expected = {{2, 4}, {5, 5}, {6, 7}};
    std::vector<std::pair<std::int32_t, std::int32_t>> lines;
    for (std::int32_t code = scan.lexer.NextToken(); code != 0; code = scan.lexer.NextToken()) {
        if (code == T::COMMENT) lines.emplace_back(scan.lexer.CommentStartLine(), scan.lexer.Line());
    }
    EXPECT_EQ(lines, expected);
}

TEST(DelphiLexerErrors, EngineErrorsReachTheCaller) {
    struct Case {
        std::string input;
        const char* error;
    };
    const Case cases[] = {
        {"", "LexLib: Input buffer underflow"},
        {std::string(253, 'a'), "no error"},
        {std::string(254, 'a'), "LexLib: Token buffer overflow"},
        // After a closing quote the automaton looks for a doubled one.
        {"'" + std::string(251, 'a') + "'", "no error"},
        {"'" + std::string(252, 'a') + "'", "LexLib: Token buffer overflow"},
        {"'" + std::string(300, 'a') + "'", "LexLib: Token buffer overflow"},
        {"'" + std::string(300, '\n'), "LexLib: Token buffer overflow"},
        {"{" + std::string(5000, 'a') + "}", "no error"},
        {"// " + std::string(5000, 'a'), "no error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input.size());
        EXPECT_EQ(ErrorOf(c.input), c.error);
    }
}

TEST(DelphiLexerErrors, CommentLongerThanTheWindowIsReadWhole) {
    std::string body;
    for (int i = 0; i < 10000; ++i) body += (i % 70 == 69) ? '\n' : static_cast<char>('a' + i % 26);
    TPascalScan scan("x (*" + body + "*) y");
    EXPECT_EQ(scan.Codes(), (std::vector<std::int32_t>{T::IDENTIFIER, T::COMMENT, T::IDENTIFIER}));
    EXPECT_EQ(scan.lexer.CommentBuffer().Text(), "(*" + body + "*)");
    EXPECT_EQ(scan.lexer.Line(), 1 + 10000 / 70);
}

TEST(DelphiLexerWindow, TokensOverTheRefillBoundariesAreWhole) {
    // Statements of drifting length, so every token kind straddles a 1984-byte boundary somewhere.
    std::string input;
    std::vector<TToken> expected;
    for (int i = 0; input.size() < 20000; ++i) {
        const std::string name = "v" + std::string(i % 17, 'x');
        const std::string number = std::to_string(i) + "." + std::to_string(i % 7);
        const std::string text = "'" + std::string(i % 11, 's') + "'";
        input += name + ":=" + number + "+" + text + "; {c}\r\n";
        expected.insert(expected.end(), {{T::IDENTIFIER, name}, {T::ASSIGN, ":="}, {T::REAL_NUMBER, number},
                                         {T::PLUS, "+"}, {T::STRING_LITERAL, text}, {T::SEMICOLON, ";"},
                                         {T::COMMENT, "{"}});
    }
    TPascalScan scan(input);
    EXPECT_EQ(scan.All(), expected);
}

}  // namespace
