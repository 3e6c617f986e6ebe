// A table-driven scanner engine: a fixed input window with push-back room, a
// deterministic automaton supplied by a subclass, longest match with ties to
// the rule written first, and line and column counting. Knows nothing of any
// particular language. Portable: no platform headers.
#pragma once
#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

#include "support/Errors.h"

class TStream;

// The lexer's own errors; what() is "LexLib: " followed by the message.
class ELexLibError : public Exception {
public:
    using Exception::Exception;
};

namespace LexLibText {
inline constexpr char kPrefix[] = "LexLib: ";
inline constexpr char kInputBufferUnderflow[] = "Input buffer underflow";
inline constexpr char kTooManyRules[] = "Too many rules";
inline constexpr char kMatchStackOverflow[] = "Match stack overflow";
inline constexpr char kTokenBufferOverflow[] = "Token buffer overflow";
}  // namespace LexLibText

using TLexerBufferData = std::vector<char>;

// A growable character buffer. Its data always has room for Capacity() + 4
// characters, so a terminating NUL always fits.
class TLexerBuffer {
public:
    TLexerBuffer(std::uint32_t initialCapacity, std::uint32_t delta);

    void Add(char c);

    const char* Data() const noexcept { return data_.data(); }
    std::uint32_t Capacity() const noexcept { return capacity_; }
    std::uint32_t Delta() const noexcept { return delta_; }
    std::uint32_t Count() const noexcept { return count_; }
    std::string_view Text() const noexcept { return {data_.data(), count_}; }

private:
    friend class TCustomLexer;  // ReadUntil loads, trims and terminates it

    // As many Add calls, with the same growth, in one step.
    void Append(const char* chars, std::uint32_t count);

    TLexerBufferData data_;
    std::uint32_t capacity_;
    std::uint32_t delta_;
    std::uint32_t count_ = 0;
};

using TCharSet = std::bitset<256>;

// The automaton of a scanner. States are numbered from 0; start condition k
// owns states 2k (the token does not begin a line) and 2k + 1 (it does).
// For each state: the rules accepted there, lowest first, and the transitions.
// NUL never has a transition: it stands for the end of input.
class TLexerTables {
public:
    static constexpr std::int32_t kNoState = -1;

    explicit TLexerTables(std::int32_t stateCount);

    // Rules are listed in the order they are added.
    void AddRule(std::int32_t state, std::int32_t rule);
    // Transitions are tried in the order they are added: a character already
    // claimed by an earlier set keeps its target.
    void AddTransition(std::int32_t state, const TCharSet& chars, std::int32_t target);

    // What the matching loop needs of a state, kept together so that one
    // read serves each character.
    struct TStateSummary {
        std::int32_t RuleCount = 0;
        std::int32_t FirstRule = 0;    // the rule listed first, 0 for none
        std::int32_t HighestRule = 0;  // the largest rule number listed
        bool HasTransitions = false;
        bool LoopsBack = false;  // some character leads from the state to itself
    };

    std::int32_t StateCount() const noexcept { return stateCount_; }
    // The rules accepted in a state: RuleCount of them from RulesOf, in list order.
    std::int32_t RuleCount(std::int32_t state) const { return summaries_[state].RuleCount; }
    const std::int32_t* RulesOf(std::int32_t state) const { return rules_.data() + ruleFirst_[state]; }
    bool HasTransitions(std::int32_t state) const { return summaries_[state].HasTransitions; }
    std::int32_t Target(std::int32_t state, unsigned char c) const {
        return next_[static_cast<std::size_t>(state) * 256 + c];
    }
    const TStateSummary* Summaries() const noexcept { return summaries_.data(); }

    // Over all states: the largest rule number and the longest rule list.
    std::int32_t HighestRule() const noexcept { return highestRule_; }
    std::int32_t MostRules() const noexcept { return mostRules_; }

    // For the two states of start condition 0 and a character: the token of
    // that one character when the automaton takes it to a state with rules
    // and no limits to check, as (target << 16) | rule, with the flag
    // kOneStepLooksAhead when the target has transitions and the next
    // character decides; else 0.
    std::int32_t OneStep(std::int32_t state, unsigned char c) const noexcept {
        return state < kOneStepStates ? oneStep_[static_cast<std::size_t>(state) * 256 + c] : 0;
    }
    static constexpr std::int32_t kOneStepLooksAhead = 0x8000;
    // The low half of a one-step token: its rule and the look-ahead flag.
    static constexpr std::int32_t kOneStepRuleAndFlag = 0xFFFF;
    // True when the state has no transition on the character.
    bool Stops(std::int32_t state, unsigned char c) const noexcept {
        const std::size_t at = static_cast<std::size_t>(state) * 256 + c;
        return (smallNext_.empty() ? next_[at] : smallNext_[at]) == kNoState;
    }
    // The lexer's limits, which a one-step token must keep within.
    static constexpr std::int32_t kOneStepRuleLimit = 256;
    static constexpr std::int32_t kOneStepMatchLimit = 1024;
    // 256 targets per state, state by state, kNoState for none.
    const std::int16_t* Targets() const noexcept { return next_.data(); }
    // The same in one byte each when every state number fits, else null:
    // half the size, so that the table stays in the first-level cache next
    // to the input.
    const std::int8_t* SmallTargets() const noexcept { return smallNext_.empty() ? nullptr : smallNext_.data(); }
    // For a state that leads back to itself: 256 flags, 1 for each character
    // that does so, but for a line feed and a carriage return, which need
    // more than a column counted.
    const std::uint8_t* LoopRow(std::int32_t state) const {
        return loopRows_.data() + static_cast<std::size_t>(loopRowOf_[state]) * 256;
    }

private:
    std::int32_t stateCount_;
    std::vector<std::int32_t> rules_;  // the rules of all states, state by state
    std::vector<std::int32_t> ruleFirst_;
    std::vector<TStateSummary> summaries_;
    std::vector<std::int16_t> next_;  // 256 targets per state, kNoState for none
    std::vector<std::int8_t> smallNext_;
    std::vector<std::int32_t> loopRowOf_;  // the state's row in loopRows_, -1 for none
    std::vector<std::uint8_t> loopRows_;

    std::int32_t highestRule_ = 0;
    std::int32_t mostRules_ = 0;
    static constexpr std::int32_t kOneStepStates = 2;
    void UpdateOneSteps();
    std::vector<std::int32_t> oneStep_;
};

class TCustomLexer {
public:
    static constexpr std::int32_t kBufferSize = 2048;
    static constexpr std::int32_t kPushBackRoom = 63;
    static constexpr std::int32_t kChunkSize = 1984;  // read at index 63, so the last place stays free
    static constexpr std::int32_t kMaxTokenText = 254;
    static constexpr std::int32_t kMatchStackSize = 1024;
    static constexpr std::int32_t kMaxRules = 256;
    static_assert(TLexerTables::kOneStepRuleLimit == kMaxRules &&
                      TLexerTables::kOneStepMatchLimit == kMatchStackSize,
                  "one-step tokens keep the lexer's limits");

    TCustomLexer();
    virtual ~TCustomLexer();
    TCustomLexer(const TCustomLexer&) = delete;
    TCustomLexer& operator=(const TCustomLexer&) = delete;

    // Empties the window and starts a fresh line; Line, Column and the
    // counters keep their values.
    virtual void Reset();
    // The next token code; 0 at the end of input.
    virtual std::int32_t NextToken() = 0;
    // Asked when the input is exhausted and no rule matched; true ends scanning.
    virtual bool EndOfInput();

    // The next input character, NUL at the end of input. Carriage returns are
    // dropped here, so nothing after this ever sees one.
    char GetChar() {
        for (;;) {
            if (bufPos_ >= bufEnd_ && !Refill()) {
                ++column_;
                return '\0';
            }
            const char c = buffer_[bufPos_++];
            if (c == '\r') continue;
            if (c == '\n') {
                ++line_;
                column_ = 0;
            } else {
                ++column_;
            }
            return c;
        }
    }
    void UngetChar(char c) {
        if (bufPos_ == 0) Fatal(LexLibText::kInputBufferUnderflow);
        buffer_[--bufPos_] = c;
        --column_;
        if (c == '\n') --line_;
    }
    void PutChar(char c);

    TStream* InputStream() const noexcept { return inputStream_; }
    void SetInputStream(TStream* stream) noexcept { inputStream_ = stream; }
    TStream* OutputStream() const noexcept { return outputStream_; }
    void SetOutputStream(TStream* stream) noexcept { outputStream_ = stream; }

    std::int32_t Line() const noexcept { return line_; }
    std::int32_t Column() const noexcept { return column_; }
    std::uint32_t BlankCommentLines() const noexcept { return blankCommentLines_; }
    // The line on which the last comment read by ReadUntil began. The source
    // model moves it on when that line already counts as code.
    std::int32_t CommentStartLine() const noexcept { return commentStartLine_; }
    void SetCommentStartLine(std::int32_t line) noexcept { commentStartLine_ = line; }
    // The last comment with its delimiters and without trailing line feeds,
    // NUL-terminated.
    const TLexerBuffer& CommentBuffer() const noexcept { return commentBuffer_; }
    // The text of the token just matched (for a comment, its opening delimiter).
    std::string_view Text() const noexcept { return {text_, static_cast<std::size_t>(textLength_)}; }

protected:
    void ReturnToken(std::int32_t code) noexcept {
        retVal_ = code;
        done_ = true;
    }
    // Reads a comment body straight from the input into CommentBuffer, up to
    // and including the terminator of 1 or 2 characters; false when the input
    // ended first.
    bool ReadUntil(std::string_view terminator);
    [[noreturn]] void Fatal(const char* message);

    // The matching loop: StartToken, then MatchToken; on a match the action
    // of the chosen rule, else DefaultAction. ScanWith runs it until an action
    // delivers a token or the input ends.
    std::int32_t ScanWith(const TLexerTables& tables);
    virtual void RuleAction(std::int32_t rule) = 0;
    // The same loop with the actions given directly, so that a scanner whose
    // actions are known spares a virtual call per token.
    template <class TActions>
    std::int32_t ScanWith(const TLexerTables& tables, TActions&& ruleAction) {
        return ScanWith(tables, 0, ruleAction);
    }
    // The same for a scanner with a quiet rule: one whose action does
    // nothing and delivers nothing, such as a blank. ruleAction is never
    // asked for it, and a run of its one-character tokens is taken at once.
    template <class TActions>
    std::int32_t ScanWith(const TLexerTables& tables, std::int32_t quietRule, TActions&& ruleAction) {
        do {
            StartToken();
            if (MatchToken(tables)) {
                if (rule_ == quietRule) {
                    TakeQuietRun(tables, quietRule);
                } else {
                    ruleAction(rule_);
                }
            } else if (!DefaultAction() && EndOfInput()) {
                Reset();
                ReturnToken(0);
            }
        } while (!done_);
        return retVal_;
    }

    void StartToken() noexcept {
        if (lastChar_ == '\n') {
            lineState_ = 1;
        } else if (lastChar_ != '\0') {
            lineState_ = 0;
        }
        state_ = startState_ + lineState_;
        textLength_ = 0;
        matchCount_ = 0;
        done_ = false;
    }
    // Follows the automaton from State as far as it goes, then chooses the
    // match and pushes back the characters beyond it; false for no match.
    bool MatchToken(const TLexerTables& tables) {
        // A token of one character that leads to a state with rules is taken
        // here in one step when that state has no way on, such as a blank or
        // a semicolon, or none on the next character, such as a parenthesis
        // before a letter: the full loop would come to the same, reading the
        // next character and pushing it back. The end of the window and a
        // carriage return have no one-step token.
        const char c = buffer_[bufPos_];
        if (const std::int32_t step = tables.OneStep(state_, static_cast<unsigned char>(c))) {
            const std::int32_t target = step >> 16;
            const char next = buffer_[bufPos_ + 1];
            const bool looksAhead = (step & TLexerTables::kOneStepLooksAhead) != 0;
            if (!looksAhead || (next != kWindowEnd && tables.Stops(target, static_cast<unsigned char>(next)))) {
                CountRead(c);
                text_[0] = c;
                textLength_ = 1;
                curChar_ = c;
                if (looksAhead) {
                    CountRead(next);
                    // Pushed back: the place still holds it.
                    --column_;
                    if (next == '\n') --line_;
                    text_[1] = next;
                    curChar_ = next;
                }
                ++bufPos_;
                state_ = target;
                rule_ = step & (TLexerTables::kOneStepLooksAhead - 1);
                lastChar_ = c;
                return true;
            }
        }
        return MatchLongest(tables);
    }
    bool DefaultAction();

    // After a token of the quiet rule: the tokens of that rule that follow
    // and would each be taken in one step without looking ahead, as the
    // loop would take them one by one, with nothing to do between them. The
    // next character decides alone, so none is read that does not belong.
    void TakeQuietRun(const TLexerTables& tables, std::int32_t quietRule) noexcept {
        std::int32_t pos = bufPos_;
        std::int32_t line = line_;
        std::int32_t column = column_;
        std::int32_t state = state_;
        char last = lastChar_;
        for (;;) {
            const char c = buffer_[pos];
            const std::int32_t step = tables.OneStep(startState_ + (last == '\n' ? 1 : 0), static_cast<unsigned char>(c));
            // Equal only without the look-ahead flag.
            if ((step & TLexerTables::kOneStepRuleAndFlag) != quietRule) break;
            if (c == '\n') {
                ++line;
                column = 0;
            } else {
                ++column;
            }
            ++pos;
            last = c;
            state = step >> 16;
        }
        if (pos == bufPos_) return;
        bufPos_ = pos;
        line_ = line;
        column_ = column;
        state_ = state;
        lastChar_ = last;
        curChar_ = last;
        text_[0] = last;
        textLength_ = 1;
        matchCount_ = 0;
    }

    // For an action that consumed a line end the input never held.
    void AddLine() noexcept { ++line_; }

private:
    bool Refill();
    void ResetState() noexcept;
    // Line and column of a character read by MatchToken.
    void CountRead(char c) noexcept {
        if (c == '\n') {
            ++line_;
            column_ = 0;
        } else {
            ++column_;
        }
    }
    // MatchToken for every token that is not taken in one step.
    bool MatchLongest(const TLexerTables& tables);
    // kChecked: the tables could break the lexer's limits on rule numbers
    // or match stack entries, so every state reached is checked.
    template <bool kChecked, class TTarget>
    bool MatchLongestWith(const TLexerTables& tables, const TTarget* targets);
    // Where the matching loop stood, kept in its locals while it runs.
    struct TMatchPoint {
        std::int32_t State;
        std::int32_t MatchCount;
        std::int32_t TextLength;
        std::int32_t BufPos;
        std::int32_t Line;
        std::int32_t Column;
        char CurChar;
    };
    // Stores the loop's state before raising, taking the locals by value so
    // that none of them has its address taken.
    [[noreturn]] void FailMatch(const char* message, const TMatchPoint& point);

    std::int32_t bufEnd_ = 0;
    std::int32_t bufPos_ = 0;
    // The place after the last valid character of the window always holds
    // a carriage return, which GetChar alone deals with. The scanning loops
    // then need one test per character for the end of the window and for a
    // carriage return: on either they take the full path through GetChar.
    static constexpr char kWindowEnd = '\r';
    static_assert(kPushBackRoom + kChunkSize < kBufferSize, "the window has room for its end mark");
    char buffer_[kBufferSize];
    char curChar_ = '\0';
    bool done_ = false;
    char lastChar_ = '\0';
    std::int32_t retVal_ = 0;
    std::int32_t rule_ = 0;
    std::int32_t state_ = 0;
    std::int32_t startState_ = 0;
    std::int32_t lineState_ = 1;
    // The entries the match stack holds for the current token. The stack
    // itself is never read back: its top is always the rule listed first in
    // the last state reached after at least one character, which MatchToken
    // keeps as it goes.
    std::int32_t matchCount_ = 0;
    std::int32_t commentStartLine_ = 0;
    TLexerBuffer commentBuffer_;
    // For ReadUntil: 1 for the characters that end a run of comment text
    // (the terminator's first, a line feed, the window's end, NUL), built
    // for the terminator's first character it names.
    std::uint8_t commentStops_[256];
    std::int32_t commentStopsFor_ = -1;
    std::uint32_t blankCommentLines_ = 0;
    std::int32_t column_ = 0;
    TStream* inputStream_ = nullptr;
    std::int32_t line_ = 1;
    TStream* outputStream_ = nullptr;
    char text_[kMaxTokenText + 1];
    std::int32_t textLength_ = 0;
};
