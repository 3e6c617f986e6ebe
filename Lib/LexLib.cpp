#include "Lib/LexLib.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

#include "support/Streams.h"

TLexerBuffer::TLexerBuffer(std::uint32_t initialCapacity, std::uint32_t delta)
    : data_(initialCapacity + 4), capacity_(initialCapacity), delta_(delta) {}

void TLexerBuffer::Add(char c) {
    if (count_ >= capacity_) {
        capacity_ += delta_;
        data_.resize(capacity_ + 4);
    }
    data_[count_++] = c;
}

void TLexerBuffer::Append(const char* chars, std::uint32_t count) {
    const std::uint32_t needed = count_ + count;
    if (needed > capacity_) {
        if (delta_ == 0) {
            for (std::uint32_t i = 0; i < count; ++i) Add(chars[i]);
            return;
        }
        capacity_ += (needed - capacity_ + delta_ - 1) / delta_ * delta_;
        data_.resize(capacity_ + 4);
    }
    std::copy(chars, chars + count, data_.begin() + count_);
    count_ = needed;
}

TLexerTables::TLexerTables(std::int32_t stateCount)
    : stateCount_(stateCount),
      ruleFirst_(stateCount, 0),
      summaries_(stateCount),
      next_(static_cast<std::size_t>(stateCount) * 256, static_cast<std::int16_t>(kNoState)),
      loopRowOf_(stateCount, -1),
      oneStep_(kOneStepStates * 256, 0) {
    // Targets are kept in 16 bits, or 8 where they fit, to keep the whole
    // table in the first-level cache.
    if (stateCount < 2 || stateCount > 32767) throw std::invalid_argument("lexer tables: state count");
    if (stateCount <= 127)
        smallNext_.assign(static_cast<std::size_t>(stateCount) * 256, static_cast<std::int8_t>(kNoState));
}

void TLexerTables::UpdateOneSteps() {
    for (std::int32_t state = 0; state < kOneStepStates; ++state) {
        for (int c = 0; c < 256; ++c) {
            std::int32_t& step = oneStep_[static_cast<std::size_t>(state) * 256 + c];
            step = 0;
            const std::int32_t target = Target(state, static_cast<unsigned char>(c));
            // A carriage return never reaches the automaton; rules of the
            // state itself would be marked at length 0 and need their checks.
            if (c == '\r' || target == kNoState || summaries_[state].RuleCount != 0) continue;
            const TStateSummary& to = summaries_[target];
            if (to.RuleCount > 0 && to.RuleCount <= kOneStepMatchLimit && to.HighestRule <= kOneStepRuleLimit)
                step = target << 16 | (to.HasTransitions ? kOneStepLooksAhead : 0) | to.FirstRule;
        }
    }
}

void TLexerTables::AddRule(std::int32_t state, std::int32_t rule) {
    if (rule < 1) throw std::invalid_argument("lexer tables: rules are numbered from 1");
    // The lists of all states lie in one array, so the matching loop reads one place.
    TStateSummary& summary = summaries_[state];
    rules_.insert(rules_.begin() + ruleFirst_[state] + summary.RuleCount, rule);
    if (summary.RuleCount++ == 0) summary.FirstRule = rule;
    summary.HighestRule = std::max(summary.HighestRule, rule);
    highestRule_ = std::max(highestRule_, rule);
    mostRules_ = std::max(mostRules_, summary.RuleCount);
    UpdateOneSteps();
    for (std::int32_t later = state + 1; later < stateCount_; ++later) ++ruleFirst_[later];
}

void TLexerTables::AddTransition(std::int32_t state, const TCharSet& chars, std::int32_t target) {
    std::int16_t* row = &next_[static_cast<std::size_t>(state) * 256];
    for (int c = 1; c < 256; ++c) {
        if (chars[c] && row[c] == kNoState) {
            row[c] = static_cast<std::int16_t>(target);
            if (!smallNext_.empty())
                smallNext_[static_cast<std::size_t>(state) * 256 + c] = static_cast<std::int8_t>(target);
            summaries_[state].HasTransitions = true;
            if (target == state) {
                summaries_[state].LoopsBack = true;
                if (loopRowOf_[state] < 0) {
                    loopRowOf_[state] = static_cast<std::int32_t>(loopRows_.size() / 256);
                    loopRows_.resize(loopRows_.size() + 256, 0);
                }
                if (c != '\n' && c != '\r') loopRows_[static_cast<std::size_t>(loopRowOf_[state]) * 256 + c] = 1;
            }
        }
    }
    UpdateOneSteps();
}

TCustomLexer::TCustomLexer() : commentBuffer_(0, 128) {
    ResetState();
}

TCustomLexer::~TCustomLexer() = default;

void TCustomLexer::ResetState() noexcept {
    bufEnd_ = 0;
    bufPos_ = 0;
    buffer_[bufEnd_] = kWindowEnd;
    startState_ = 0;
    lineState_ = 1;
    lastChar_ = '\0';
    textLength_ = 0;
}

void TCustomLexer::Reset() {
    ResetState();
}

bool TCustomLexer::EndOfInput() {
    return true;
}

bool TCustomLexer::Refill() {
    if (inputStream_ == nullptr) return false;
    const std::int32_t left = inputStream_->GetSize() - inputStream_->GetPosition();
    if (left <= 0) return false;
    const std::int32_t count = std::min(left, kChunkSize);
    inputStream_->ReadBuffer(buffer_ + kPushBackRoom, count);
    bufPos_ = kPushBackRoom;
    bufEnd_ = kPushBackRoom + count;
    buffer_[bufEnd_] = kWindowEnd;
    return true;
}

void TCustomLexer::PutChar(char c) {
    if (c == '\0' || outputStream_ == nullptr) return;
    if (c == '\n') {
        outputStream_->WriteBuffer("\r\n", 2);
    } else {
        outputStream_->WriteBuffer(&c, 1);
    }
}

void TCustomLexer::Fatal(const char* message) {
    throw ELexLibError(std::string(LexLibText::kPrefix) + message);
}

bool TCustomLexer::ReadUntil(std::string_view terminator) {
    commentStartLine_ = line_;
    commentBuffer_.count_ = 0;
    commentBuffer_.Append(text_, static_cast<std::uint32_t>(textLength_));

    const char first = terminator[0];
    if (commentStopsFor_ != static_cast<unsigned char>(first)) {
        std::fill(std::begin(commentStops_), std::end(commentStops_), std::uint8_t{0});
        for (const char stop : {first, '\n', kWindowEnd, '\0'}) commentStops_[static_cast<unsigned char>(stop)] = 1;
        commentStopsFor_ = static_cast<unsigned char>(first);
    }
    bool found = false;
    char previous = '\0';
    for (;;) {
        // Characters that only go into the buffer and count a column are
        // taken from the window in one run; the others go through GetChar.
        const std::int32_t start = bufPos_;
        std::int32_t pos = start;
        while (!commentStops_[static_cast<unsigned char>(buffer_[pos])]) ++pos;
        if (pos > start) {
            commentBuffer_.Append(buffer_ + start, static_cast<std::uint32_t>(pos - start));
            column_ += pos - start;
            bufPos_ = pos;
            previous = buffer_[pos - 1];
        }

        const char c = GetChar();
        commentBuffer_.Add(c);
        if (c == first) {
            if (terminator.size() == 1) {
                found = true;
                break;
            }
            const char c2 = GetChar();
            if (c2 == terminator[1]) {
                commentBuffer_.Add(c2);
                found = true;
                break;
            }
            UngetChar(c2);
        } else if (c == '\n' && previous == '\n') {
            ++blankCommentLines_;
        } else if (c == '\0') {
            break;
        }
        previous = c;
    }

    while (commentBuffer_.count_ > 0 && commentBuffer_.data_[commentBuffer_.count_ - 1] == '\n') {
        --commentBuffer_.count_;
    }
    commentBuffer_.data_[commentBuffer_.count_] = '\0';
    return found;
}

std::int32_t TCustomLexer::ScanWith(const TLexerTables& tables) {
    return ScanWith(tables, [this](std::int32_t rule) { RuleAction(rule); });
}

// Each state reached marks its rules at the current text length and pushes
// them with the rule listed first on top; the match is then the top entry
// whose mark is not 0. Rules marked at length 0 (in the start state) are
// passed over, and every later state marks at a length of 1 or more, so the
// match is the rule listed first in the last accepting state reached after a
// character, at that state's length. Only that and the entry count (for the
// overflow check) are kept.
bool TCustomLexer::MatchLongest(const TLexerTables& tables) {
    // A token visits at most one state more than it has characters.
    const bool checked = tables.HighestRule() > kMaxRules ||
                         static_cast<std::int64_t>(tables.MostRules()) * (kMaxTokenText + 1) > kMatchStackSize;
    if (const std::int8_t* small = tables.SmallTargets())
        return checked ? MatchLongestWith<true>(tables, small) : MatchLongestWith<false>(tables, small);
    const std::int16_t* const targets = tables.Targets();
    return checked ? MatchLongestWith<true>(tables, targets) : MatchLongestWith<false>(tables, targets);
}

template <bool kChecked, class TTarget>
bool TCustomLexer::MatchLongestWith(const TLexerTables& tables, const TTarget* const targets) {
    const TLexerTables::TStateSummary* const summaries = tables.Summaries();
    std::int32_t state = state_;
    std::int32_t length = textLength_;
    std::int32_t matchCount = matchCount_;
    std::int32_t rule = 0;
    std::int32_t ruleLength = 0;
    // The loop's state lives in locals, never in memory: storing a token
    // character could otherwise change any of it as far as the compiler knows.
    std::int32_t pos = bufPos_;
    std::int32_t line = line_;
    std::int32_t column = column_;
    char c = curChar_;
    const TLexerTables::TStateSummary* summary = &summaries[state];
    // The start state's rules are marked at length 0, so they are never chosen.
    if (kChecked && summary->RuleCount > 0) {
        if (summary->HighestRule > kMaxRules)
            FailMatch(LexLibText::kTooManyRules, {state, matchCount, length, pos, line, column, c});
        matchCount += summary->RuleCount;
        if (matchCount > kMatchStackSize)
            FailMatch(LexLibText::kMatchStackOverflow, {state, matchCount, length, pos, line, column, c});
    }
    while (summary->HasTransitions) {
        if (!kChecked && summary->LoopsBack) {
            // Characters on which the state leads back to itself, as over the
            // letters of a word, are taken in a loop of their own that does
            // not wait for each target: it is the state it stands in. Each
            // would mark the state's rule at its length, and the last mark is
            // the one that counts. A line feed takes the full path below.
            // The window's end mark stops the loop as a carriage return does.
            const std::uint8_t* const stays = tables.LoopRow(state);
            const std::int32_t start = pos;
            const std::int32_t limit = pos + (kMaxTokenText - length);
            while (pos < limit && stays[static_cast<unsigned char>(buffer_[pos])]) text_[length++] = buffer_[pos++];
            if (pos > start) {
                column += pos - start;
                c = buffer_[pos - 1];
                if (summary->FirstRule != 0) {
                    rule = summary->FirstRule;
                    ruleLength = length;
                }
            }
        }
        if (length >= kMaxTokenText)
            FailMatch(LexLibText::kTokenBufferOverflow, {state, matchCount, length, pos, line, column, c});
        if (buffer_[pos] != kWindowEnd) {
            c = buffer_[pos++];
            if (c == '\n') {
                ++line;
                column = 0;
            } else {
                ++column;
            }
        } else {
            // A carriage return, a refill or the end of input.
            bufPos_ = pos;
            line_ = line;
            column_ = column;
            c = GetChar();
            pos = bufPos_;
            line = line_;
            column = column_;
        }
        text_[length++] = c;
        const std::int32_t target = targets[static_cast<std::size_t>(state) * 256 + static_cast<unsigned char>(c)];
        if (target == TLexerTables::kNoState) break;
        state = target;
        summary = &summaries[state];
        if (kChecked && summary->RuleCount > 0) {
            if (summary->HighestRule > kMaxRules)
                FailMatch(LexLibText::kTooManyRules, {state, matchCount, length, pos, line, column, c});
            matchCount += summary->RuleCount;
            if (matchCount > kMatchStackSize)
                FailMatch(LexLibText::kMatchStackOverflow, {state, matchCount, length, pos, line, column, c});
        }
        if (summary->FirstRule != 0) {
            rule = summary->FirstRule;
            ruleLength = length;
        }
    }
    // Push back the characters beyond the match, with the window's counters still in locals.
    for (std::int32_t i = length; i > ruleLength; --i) {
        if (pos == 0)
            FailMatch(LexLibText::kInputBufferUnderflow, {state, matchCount, length, pos, line, column, c});
        const char back = text_[i - 1];
        buffer_[--pos] = back;
        --column;
        if (back == '\n') --line;
    }
    bufPos_ = pos;
    line_ = line;
    column_ = column;
    curChar_ = c;
    state_ = state;
    matchCount_ = matchCount;
    textLength_ = ruleLength;

    if (rule == 0) {
        lastChar_ = '\0';
        return false;
    }
    rule_ = rule;
    lastChar_ = text_[ruleLength - 1];
    return true;
}

void TCustomLexer::FailMatch(const char* message, const TMatchPoint& point) {
    state_ = point.State;
    matchCount_ = point.MatchCount;
    textLength_ = point.TextLength;
    bufPos_ = point.BufPos;
    line_ = point.Line;
    column_ = point.Column;
    curChar_ = point.CurChar;
    Fatal(message);
}

bool TCustomLexer::DefaultAction() {
    curChar_ = GetChar();
    lastChar_ = curChar_;
    if (curChar_ != '\0') {
        PutChar(curChar_);
        return true;
    }
    lineState_ = 1;
    return false;
}
