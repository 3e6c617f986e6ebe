// The scanner engine over small automata of its own: the input window and its
// push-back room, line and column counting, the matching loop, ReadUntil and
// the four errors.
#include "Lib/LexLib.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Lib/LexGen.h"
#include "support/Streams.h"
#include "tests/Lib/LexerTokens.h"

namespace {

// A memory stream that records the size of every read the lexer asks for.
class TRecordingStream : public TMemoryStream {
public:
    std::int32_t Read(void* buffer, std::int32_t count) override {
        requests.push_back(count);
        return TMemoryStream::Read(buffer, count);
    }
    std::vector<std::int32_t> requests;
};

// A stream that claims bytes it cannot deliver.
class TBrokenStream : public TMemoryStream {
public:
    std::int32_t Read(void*, std::int32_t) override { return 0; }
};

void Load(TMemoryStream& stream, const std::string& bytes) {
    stream.WriteBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
    stream.SetPosition(0);
}

// Delivers the rule number as the token code unless a test sets its own actions.
class TTestLexer : public TCustomLexer {
public:
    explicit TTestLexer(const TLexerTables& tables) : tables_(tables) {}

    std::int32_t NextToken() override {
        if (quietRule == 0) return ScanWith(tables_);
        return ScanWith(tables_, quietRule, [this](std::int32_t rule) { RuleAction(rule); });
    }

    using TCustomLexer::ReadUntil;
    using TCustomLexer::ReturnToken;

    std::function<void(TTestLexer&, std::int32_t)> action;
    std::int32_t quietRule = 0;  // 0: none

protected:
    void RuleAction(std::int32_t rule) override {
        if (action) {
            action(*this, rule);
        } else {
            ReturnToken(rule);
        }
    }

private:
    const TLexerTables& tables_;
};

// A lexer reading from its own memory stream.
struct TScan {
    explicit TScan(const TLexerTables& tables, const std::string& input) : lexer(tables) {
        Load(stream, input);
        lexer.SetInputStream(&stream);
    }
    std::vector<TToken> All() { return CollectTokens(lexer); }
    TMemoryStream stream;
    TTestLexer lexer;
};

TLexerTables Build(std::vector<TLexRule> rules) {
    return BuildLexerTables(rules.data(), rules.size());
}

// Words, numbers, blanks skipped, line ends skipped; nothing else matches.
const TLexerTables& WordTables() {
    static const TLexerTables tables = Build({{"[a-z]+", false}, {"[0-9]+", false}, {"[ \\n]", false}});
    return tables;
}

std::vector<TToken> ScanWords(TScan& scan) {
    scan.lexer.action = [](TTestLexer& lexer, std::int32_t rule) {
        if (rule != 3) lexer.ReturnToken(rule);
    };
    return scan.All();
}

std::string ErrorOf(const std::function<void()>& run) {
    try {
        run();
    } catch (const ELexLibError& error) {
        const Exception& general = error;
        return general.what();
    }
    return "no error";
}

TEST(LexLibEngine, EmptyStreamUnderflowsOnTheFirstToken) {
    TScan scan(WordTables(), "");
    EXPECT_EQ(ErrorOf([&] { scan.lexer.NextToken(); }), "LexLib: Input buffer underflow");
}

TEST(LexLibEngine, WithoutAnInputStreamTheInputIsEmpty) {
    TTestLexer lexer(WordTables());
    EXPECT_EQ(ErrorOf([&] { lexer.NextToken(); }), "LexLib: Input buffer underflow");
}

TEST(LexLibEngine, LineAndColumnAtTheEnd) {
    struct Case {
        const char* input;
        std::vector<TToken> tokens;
        std::int32_t line;
        std::int32_t column;
    };
    const Case cases[] = {
        {"\r\r\r", {}, 1, 1},
        {"ab", {{1, "ab"}}, 1, 3},
        {"ab\n", {{1, "ab"}}, 2, 1},
        {"ab\ncd", {{1, "ab"}, {1, "cd"}}, 2, 3},
        {"ab\r\ncd\r\n", {{1, "ab"}, {1, "cd"}}, 3, 1},
        {"ab\ncd\n", {{1, "ab"}, {1, "cd"}}, 3, 1},
        // Carriage returns alone do not end lines: they vanish.
        {"ab\rcd\r", {{1, "abcd"}}, 1, 5},
        {"a 12\n\n  b", {{1, "a"}, {2, "12"}, {1, "b"}}, 3, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        TScan scan(WordTables(), c.input);
        EXPECT_EQ(ScanWords(scan), c.tokens);
        EXPECT_EQ(scan.lexer.Line(), c.line);
        EXPECT_EQ(scan.lexer.Column(), c.column);
    }
}

TEST(LexLibEngine, NulInTheMiddleEndsTheScanAndTheRestIsNotRead) {
    std::string input = "ab";
    input += '\0';
    input += "cd";
    input += std::string(5000, ' ');
    TScan scan(WordTables(), input);
    EXPECT_EQ(ScanWords(scan), (std::vector<TToken>{{1, "ab"}}));
    EXPECT_EQ(scan.stream.GetPosition(), TCustomLexer::kChunkSize);
}

TEST(LexLibEngine, ScanStartsAtTheStreamPosition) {
    TScan scan(WordTables(), "abc de");
    scan.stream.SetPosition(2);
    EXPECT_EQ(ScanWords(scan), (std::vector<TToken>{{1, "c"}, {1, "de"}}));

    TScan atTheEnd(WordTables(), "abc");
    atTheEnd.stream.SetPosition(3);
    EXPECT_EQ(ErrorOf([&] { atTheEnd.lexer.NextToken(); }), "LexLib: Input buffer underflow");
}

TEST(LexLibEngine, StreamIsReadInChunksOfAtMost1984Bytes) {
    struct Case {
        std::size_t size;
        std::vector<std::int32_t> requests;
    };
    const Case cases[] = {
        {1, {1}},
        {1983, {1983}},
        {1984, {1984}},
        {1985, {1984, 1}},
        {2048, {1984, 64}},
        {4000, {1984, 1984, 32}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        std::string input;
        for (std::size_t i = 0; i < c.size; ++i) input += static_cast<char>('a' + i % 26);
        TRecordingStream stream;
        Load(stream, input);
        TTestLexer lexer(WordTables());
        lexer.SetInputStream(&stream);
        std::string read;
        for (char ch = lexer.GetChar(); ch != '\0'; ch = lexer.GetChar()) read += ch;
        EXPECT_EQ(read, input);
        EXPECT_EQ(stream.requests, c.requests);
    }
}

TEST(LexLibEngine, TokensAcrossWindowRefillsKeepTheirText) {
    // Words of every length from 1 to 40 drift over the 1984-byte boundaries.
    std::string input;
    std::vector<TToken> expected;
    for (int round = 0; input.size() < 9000; ++round) {
        const std::string word(1 + round % 40, static_cast<char>('a' + round % 26));
        const std::string number = std::to_string(round);
        input += word + ' ' + number + (round % 3 == 0 ? "\n" : " ");
        expected.push_back({1, word});
        expected.push_back({2, number});
    }
    TScan scan(WordTables(), input);
    EXPECT_EQ(ScanWords(scan), expected);
}

TEST(LexLibEngine, PushBackRoomAfterARefill) {
    TMemoryStream stream;
    Load(stream, std::string(100, 'x'));
    TTestLexer lexer(WordTables());
    lexer.SetInputStream(&stream);

    // Before the first refill there is no room at all.
    EXPECT_EQ(ErrorOf([&] { lexer.UngetChar('a'); }), "LexLib: Input buffer underflow");

    // The character just read goes back to its place, and 63 more fit in front of it.
    EXPECT_EQ(lexer.GetChar(), 'x');
    lexer.UngetChar('x');
    std::string pushed;
    for (int i = 0; i < TCustomLexer::kPushBackRoom; ++i) {
        const char c = static_cast<char>('A' + i % 26);
        lexer.UngetChar(c);
        pushed.insert(pushed.begin(), c);
    }
    EXPECT_EQ(ErrorOf([&] { lexer.UngetChar('!'); }), "LexLib: Input buffer underflow");

    std::string read;
    for (std::size_t i = 0; i < pushed.size() + 2; ++i) read += lexer.GetChar();
    EXPECT_EQ(read, pushed + "xx");
}

TEST(LexLibEngine, UngetCharTakesBackLinesAndColumns) {
    TMemoryStream stream;
    Load(stream, "a\nb");
    TTestLexer lexer(WordTables());
    lexer.SetInputStream(&stream);
    EXPECT_EQ(lexer.GetChar(), 'a');
    EXPECT_EQ(lexer.GetChar(), '\n');
    EXPECT_EQ(lexer.GetChar(), 'b');
    EXPECT_EQ(lexer.Line(), 2);
    EXPECT_EQ(lexer.Column(), 1);
    lexer.UngetChar('b');
    lexer.UngetChar('\n');
    EXPECT_EQ(lexer.Line(), 1);
    EXPECT_EQ(lexer.Column(), -1);
    EXPECT_EQ(lexer.GetChar(), '\n');
    EXPECT_EQ(lexer.GetChar(), 'b');
    EXPECT_EQ(lexer.Line(), 2);
    EXPECT_EQ(lexer.Column(), 1);
}

TEST(LexLibEngine, CharacterPushedBackAfterTheEndIsReadAgain) {
    TMemoryStream stream;
    Load(stream, "a");
    TTestLexer lexer(WordTables());
    lexer.SetInputStream(&stream);
    EXPECT_EQ(lexer.GetChar(), 'a');
    EXPECT_EQ(lexer.GetChar(), '\0');
    EXPECT_EQ(lexer.Column(), 2);
    lexer.UngetChar('z');
    EXPECT_EQ(lexer.GetChar(), 'z');
    EXPECT_EQ(lexer.GetChar(), '\0');
    EXPECT_EQ(lexer.GetChar(), '\0');
    EXPECT_EQ(lexer.Column(), 4);
}

TEST(LexLibEngine, StreamReadErrorsPassThrough) {
    TBrokenStream stream;
    Load(stream, "abc");
    TTestLexer lexer(WordTables());
    lexer.SetInputStream(&stream);
    EXPECT_THROW(lexer.NextToken(), EReadError);
}

TEST(LexLibEngine, LongestMatchThenTheRuleWrittenFirst) {
    const TLexerTables tables = Build({
        {"if", false},         // 1
        {"[a-z]+", false},     // 2
        {"i", false},          // 3: never wins, rule 2 accepts the same text
        {"[0-9]+", false},     // 4
        {"[0-9]+x[0-9]+", false},  // 5
        {"x", false},          // 6
        {" ", false},          // 7
    });
    struct Case {
        const char* input;
        std::vector<TToken> tokens;
    };
    const Case cases[] = {
        {"if", {{1, "if"}}},
        {"iff", {{2, "iff"}}},
        {"i", {{2, "i"}}},
        {"12x34", {{5, "12x34"}}},
        // The characters read beyond the token are scanned again.
        {"12x", {{4, "12"}, {2, "x"}}},
        {"12xif", {{4, "12"}, {2, "xif"}}},
        {"12 x 3", {{4, "12"}, {7, " "}, {2, "x"}, {7, " "}, {4, "3"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        TScan scan(tables, c.input);
        EXPECT_EQ(scan.All(), c.tokens);
    }
}

// Hand-made tables: state 0 and 1 both go to state 2 on 'a'.
TLexerTables TablesAcceptingInStateTwo(const std::vector<std::int32_t>& rules, bool loop) {
    TLexerTables tables(3);
    TCharSet a;
    a.set('a');
    tables.AddTransition(0, a, 2);
    tables.AddTransition(1, a, 2);
    if (loop) tables.AddTransition(2, a, 2);
    for (const std::int32_t rule : rules) tables.AddRule(2, rule);
    return tables;
}

TEST(LexLibEngine, TiesGoToTheRuleListedFirstInTheState) {
    const TLexerTables tables = TablesAcceptingInStateTwo({7, 3, 5}, false);
    TScan scan(tables, "aa");
    EXPECT_EQ(scan.All(), (std::vector<TToken>{{7, "a"}, {7, "a"}}));
}

TEST(LexLibEngine, FirstTransitionInListOrderWins) {
    TLexerTables tables(4);
    TCharSet ab;
    ab.set('a');
    ab.set('b');
    TCharSet b;
    b.set('b');
    tables.AddTransition(1, ab, 2);
    tables.AddTransition(1, b, 3);
    tables.AddRule(2, 1);
    tables.AddRule(3, 2);
    EXPECT_EQ(tables.Target(1, 'b'), 2);
    TScan scan(tables, "b");
    EXPECT_EQ(scan.All(), (std::vector<TToken>{{1, "b"}}));
}

TEST(LexLibEngine, EachStateKeepsItsOwnRuleList) {
    TLexerTables tables(4);
    tables.AddRule(2, 5);
    tables.AddRule(1, 3);
    tables.AddRule(2, 4);
    tables.AddRule(0, 9);
    tables.AddRule(3, 1);
    const auto list = [&](std::int32_t state) {
        return std::vector<std::int32_t>(tables.RulesOf(state), tables.RulesOf(state) + tables.RuleCount(state));
    };
    EXPECT_EQ(list(0), (std::vector<std::int32_t>{9}));
    EXPECT_EQ(list(1), (std::vector<std::int32_t>{3}));
    EXPECT_EQ(list(2), (std::vector<std::int32_t>{5, 4}));
    EXPECT_EQ(list(3), (std::vector<std::int32_t>{1}));
}

TEST(LexLibEngine, NulNeverHasATransition) {
    TLexerTables tables(2);
    TCharSet all;
    all.set();
    tables.AddTransition(1, all, 0);
    EXPECT_EQ(tables.Target(1, '\0'), TLexerTables::kNoState);
    EXPECT_EQ(tables.Target(1, 'a'), 0);
}

TEST(LexLibEngine, RuleNumbersAbove256AreRefused) {
    const TLexerTables tables = TablesAcceptingInStateTwo({256}, false);
    TScan fits(tables, "a");
    EXPECT_EQ(fits.All(), (std::vector<TToken>{{256, "a"}}));

    const TLexerTables tooMany = TablesAcceptingInStateTwo({257}, false);
    TScan scan(tooMany, "a");
    EXPECT_EQ(ErrorOf([&] { scan.lexer.NextToken(); }), "LexLib: Too many rules");
}

TEST(LexLibEngine, MatchStackHolds1024Entries) {
    // Four rules per character: 256 characters fill the stack exactly, but the
    // token text stops at 254; five rules overflow it at the 205th character.
    const TLexerTables four = TablesAcceptingInStateTwo({1, 2, 3, 4}, true);
    TScan fits(four, std::string(200, 'a'));
    EXPECT_EQ(fits.All(), (std::vector<TToken>{{1, std::string(200, 'a')}}));

    const TLexerTables five = TablesAcceptingInStateTwo({1, 2, 3, 4, 5}, true);
    TScan fitsToo(five, std::string(204, 'a'));
    EXPECT_EQ(fitsToo.All(), (std::vector<TToken>{{1, std::string(204, 'a')}}));
    TScan scan(five, std::string(205, 'a'));
    EXPECT_EQ(ErrorOf([&] { scan.lexer.NextToken(); }), "LexLib: Match stack overflow");
}

TEST(LexLibEngine, TokenTextStopsAt254Characters) {
    const TLexerTables tables = Build({{"[a\\n]+", false}, {" ", false}});
    struct Case {
        std::string input;
        bool overflows;
    };
    // The automaton reads one character past a token that could go on.
    const Case cases[] = {
        {std::string(253, 'a'), false},
        {std::string(253, 'a') + " ", false},
        {std::string(254, 'a'), true},
        {std::string(100, 'a') + std::string(100, '\n') + std::string(100, 'a'), true},
        {std::string(300, 'a'), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input.size());
        TScan scan(tables, c.input);
        const std::string error = ErrorOf([&] { scan.All(); });
        EXPECT_EQ(error, c.overflows ? "LexLib: Token buffer overflow" : "no error");
    }
}

TEST(LexLibEngine, UnmatchedCharactersGoToTheOutputStream) {
    TMemoryStream output;
    TScan scan(WordTables(), "ab+c\n-");
    scan.lexer.SetOutputStream(&output);
    EXPECT_EQ(ScanWords(scan), (std::vector<TToken>{{1, "ab"}, {1, "c"}}));
    const std::string written(static_cast<const char*>(output.Memory()), output.Size());
    EXPECT_EQ(written, "+-");

    // Line ends go out as carriage return and line feed; NUL is never written.
    TMemoryStream lineEnds;
    TTestLexer lexer(WordTables());
    lexer.SetOutputStream(&lineEnds);
    lexer.PutChar('x');
    lexer.PutChar('\n');
    lexer.PutChar('\0');
    lexer.PutChar('y');
    EXPECT_EQ(std::string(static_cast<const char*>(lineEnds.Memory()), lineEnds.Size()), "x\r\ny");

    TScan quiet(WordTables(), "a+b");
    EXPECT_EQ(ScanWords(quiet), (std::vector<TToken>{{1, "a"}, {1, "b"}}));
}

// A token as a caller sees it, with where the lexer stood after it.
struct TPlacedToken {
    TToken token;
    std::int32_t line;
    std::int32_t column;
    bool operator==(const TPlacedToken& other) const {
        return token == other.token && line == other.line && column == other.column;
    }
};

std::ostream& operator<<(std::ostream& out, const TPlacedToken& placed) {
    return out << placed.token << " at " << placed.line << ':' << placed.column;
}

TEST(LexLibEngine, RunsOfAQuietRuleGiveWhatTheirTokensOneByOneGive) {
    // As in a language scanner: a line feed at the start of a line is a rule
    // of its own, and blanks (the quiet rule 3) do nothing.
    static const TLexerTables tables = Build({{"\\n", true}, {"[a-z]+", false}, {"[ \\t\\n]", false}, {"[^\\n\\0]", false}});
    const std::string inputs[] = {
        "a  b",
        "  \n\n  x \n",
        "x \r\n \r\r  y\n\n\n",
        "\t\t\n \n\n",
        "a   ",
        "a + \t- b",
        std::string(3000, ' ') + "end" + std::string(1990, ' ') + "\n\n" + std::string(70, ' ') + "z",
    };
    for (const std::string& input : inputs) {
        SCOPED_TRACE(input.size() > 40 ? input.substr(0, 40) + "..." : input);
        std::vector<TPlacedToken> seen[2];
        std::int32_t endLine[2] = {};
        std::int32_t endColumn[2] = {};
        for (int quiet = 0; quiet < 2; ++quiet) {
            TScan scan(tables, input);
            scan.lexer.quietRule = quiet ? 3 : 0;
            scan.lexer.action = [quiet](TTestLexer& lexer, std::int32_t rule) {
                if (quiet) {
                    EXPECT_NE(rule, 3) << "the quiet rule has no action to ask";
                }
                if (rule != 3) lexer.ReturnToken(rule);
            };
            for (std::int32_t code = scan.lexer.NextToken(); code != 0; code = scan.lexer.NextToken())
                seen[quiet].push_back({{code, std::string(scan.lexer.Text())}, scan.lexer.Line(), scan.lexer.Column()});
            endLine[quiet] = scan.lexer.Line();
            endColumn[quiet] = scan.lexer.Column();
        }
        EXPECT_FALSE(seen[0].empty());
        EXPECT_EQ(seen[1], seen[0]);
        EXPECT_EQ(endLine[1], endLine[0]);
        EXPECT_EQ(endColumn[1], endColumn[0]);
    }
}

TEST(LexLibEngine, CountersSurviveTheResetAtTheEnd) {
    TScan scan(WordTables(), "ab\ncd\n");
    ScanWords(scan);
    scan.lexer.Reset();
    EXPECT_EQ(scan.lexer.Line(), 3);
    EXPECT_EQ(scan.lexer.Column(), 1);
    EXPECT_TRUE(scan.lexer.Text().empty());
}

TEST(LexerBuffer, GrowsByDeltaAndKeepsItsContents) {
    TLexerBuffer buffer(0, 128);
    EXPECT_EQ(buffer.Capacity(), 0u);
    EXPECT_EQ(buffer.Count(), 0u);
    EXPECT_EQ(buffer.Delta(), 128u);
    std::string added;
    for (int i = 0; i < 300; ++i) {
        const char c = static_cast<char>('a' + i % 26);
        buffer.Add(c);
        added += c;
        ASSERT_EQ(buffer.Capacity(), (buffer.Count() + 127) / 128 * 128);
    }
    EXPECT_EQ(buffer.Count(), 300u);
    EXPECT_EQ(buffer.Capacity(), 384u);
    EXPECT_EQ(buffer.Text(), added);

    TLexerBuffer preset(10, 5);
    for (int i = 0; i < 11; ++i) preset.Add('x');
    EXPECT_EQ(preset.Capacity(), 15u);
}

// "{" or "(*" opens a comment read by ReadUntil; the comment is the token.
struct TCommentScan : TScan {
    explicit TCommentScan(const std::string& input) : TScan(Tables(), input) {
        lexer.action = [this](TTestLexer& lexer, std::int32_t rule) {
            switch (rule) {
                case 1: found.push_back(lexer.ReadUntil("}")); break;
                case 2: found.push_back(lexer.ReadUntil("*)")); break;
                case 3: return;  // blanks and line ends
                case 4: lexer.ReturnToken(rule); return;
            }
            startLines.push_back(lexer.CommentStartLine());
            endLines.push_back(lexer.Line());
            lexer.ReturnToken(rule);
        };
    }
    static const TLexerTables& Tables() {
        static const TLexerTables tables =
            Build({{"\\{", false}, {"\\(\\*", false}, {"[ \\n]", false}, {"[a-z]", false}});
        return tables;
    }
    std::vector<bool> found;
    std::vector<std::int32_t> startLines;
    std::vector<std::int32_t> endLines;
};

TEST(LexLibReadUntil, ReadsTheBodyAndCountsBlankCommentLines) {
    struct Case {
        const char* input;
        bool found;
        std::string comment;
        std::uint32_t blankCommentLines;
        std::int32_t endLine;
    };
    using namespace std::string_literals;
    const Case cases[] = {
        {"{}", true, "{}", 0, 1},
        {"{ a }", true, "{ a }", 0, 1},
        {"(* a *)", true, "(* a *)", 0, 1},
        {"(* a * ) *)", true, "(* a * ) *)", 0, 1},
        {"(***)", true, "(***)", 0, 1},
        {"{\n\n\n}", true, "{\n\n\n}", 2, 4},
        {"{a\n\nb}", true, "{a\n\nb}", 1, 3},
        {"(* a\n*\n\n*)", true, "(* a\n*\n\n*)", 1, 4},
        // The first terminator character right before a line end keeps that line from being blank.
        {"(*\n*\n*)", true, "(*\n*\n*)", 0, 3},
        // A carriage return is never part of a comment.
        {"{a\r\n\r\nb}", true, "{a\n\nb}", 1, 3},
        // Cut off by the end of input: the NUL read at the end is the last character held.
        {"(*)", false, "(*)\0"s, 0, 1},
        {"{ a\n\n", false, "{ a\n\n\0"s, 1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        TCommentScan scan(c.input);
        const std::vector<TToken> tokens = scan.All();
        ASSERT_EQ(tokens.size(), 1u);
        ASSERT_EQ(scan.found.size(), 1u);
        EXPECT_EQ(scan.found[0], c.found);
        const TLexerBuffer& buffer = scan.lexer.CommentBuffer();
        EXPECT_EQ(buffer.Text(), c.comment);
        EXPECT_EQ(buffer.Data()[buffer.Count()], '\0');
        EXPECT_EQ(scan.lexer.BlankCommentLines(), c.blankCommentLines);
        EXPECT_EQ(scan.startLines[0], 1);
        EXPECT_EQ(scan.endLines[0], c.endLine);
    }
}

TEST(LexLibReadUntil, TrailingLineEndsAreDroppedFromTheBuffer) {
    // A line end as the terminator, as for a comment that runs to the end of its line.
    TMemoryStream stream;
    Load(stream, "abc\n\nd");
    TTestLexer lexer(WordTables());
    lexer.SetInputStream(&stream);
    EXPECT_TRUE(lexer.ReadUntil("\n"));
    EXPECT_EQ(lexer.CommentBuffer().Text(), "abc");
    EXPECT_EQ(lexer.BlankCommentLines(), 0u);
    EXPECT_EQ(lexer.Line(), 2);
    EXPECT_EQ(lexer.GetChar(), '\n');
}

TEST(LexLibReadUntil, CommentsOfAnyLengthAndCountersAcrossComments) {
    std::string body;
    for (int i = 0; i < 20000; ++i) body += (i % 50 == 49) ? '\n' : static_cast<char>('a' + i % 26);
    const std::string input = "x\n{" + body + "}\n\n(*\n\n" + body + "*) y";
    TCommentScan scan(input);
    const std::vector<TToken> tokens = scan.All();
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(scan.found, (std::vector<bool>{true, true}));
    EXPECT_EQ(scan.lexer.CommentBuffer().Text(), "(*\n\n" + body + "*)");
    EXPECT_EQ(scan.lexer.CommentBuffer().Capacity() % 128, 0u);
    EXPECT_EQ(scan.lexer.BlankCommentLines(), 1u);
    const std::int32_t bodyLines = 20000 / 50;
    EXPECT_EQ(scan.startLines, (std::vector<std::int32_t>{2, 4 + bodyLines}));
    EXPECT_EQ(scan.endLines, (std::vector<std::int32_t>{2 + bodyLines, 6 + 2 * bodyLines}));
}

TEST(LexerGenerator, MalformedPatternsAreRefused) {
    for (const char* pattern : {"(a", "a)", "[a", "*a", "a|", "[z-a]", "\\x4", "\\x", "a\\"}) {
        SCOPED_TRACE(pattern);
        EXPECT_THROW(Build({{pattern, false}}), std::invalid_argument);
    }
}

TEST(LexerGenerator, LineStartRulesApplyOnlyAtTheStartOfALine) {
    // Rule 1 takes a hash at the start of a line, rule 2 any hash.
    const TLexerTables tables = Build({{"#", true}, {"#", false}, {"[ \\n]", false}});
    TScan scan(tables, "# #\n#");
    scan.lexer.action = [](TTestLexer& lexer, std::int32_t rule) {
        if (rule != 3) lexer.ReturnToken(rule);
    };
    EXPECT_EQ(scan.All(), (std::vector<TToken>{{1, "#"}, {2, "#"}, {1, "#"}}));
}

TEST(LexerGenerator, RepeatsAlternativesAndClasses) {
    const TLexerTables tables = Build({
        {"a(b|cd)*e?", false},  // 1
        {"[^a-z\\n ]", false},  // 2
        {"[\\x41-\\x43]+", false},  // 3: A to C, wins over rule 2 on longer text
        {"[ \\n]", false},          // 4
    });
    TScan scan(tables, "abcdbe ae a A ABC !");
    scan.lexer.action = [](TTestLexer& lexer, std::int32_t rule) {
        if (rule != 4) lexer.ReturnToken(rule);
    };
    EXPECT_EQ(scan.All(), (std::vector<TToken>{
                              {1, "abcdbe"}, {1, "ae"}, {1, "a"}, {2, "A"}, {3, "ABC"}, {2, "!"}}));
}

}  // namespace
