#include "Lib/LexLib.h"

#include <algorithm>
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

TLexerTables::TLexerTables(std::int32_t stateCount)
    : stateCount_(stateCount),
      ruleFirst_(stateCount, 0),
      ruleCount_(stateCount, 0),
      hasTransitions_(stateCount, 0),
      next_(static_cast<std::size_t>(stateCount) * 256, static_cast<std::int16_t>(kNoState)) {
    // Targets are kept in 16 bits to keep the whole table in the first-level cache.
    if (stateCount < 2 || stateCount > 32767) throw std::invalid_argument("lexer tables: state count");
}

void TLexerTables::AddRule(std::int32_t state, std::int32_t rule) {
    if (rule < 1) throw std::invalid_argument("lexer tables: rules are numbered from 1");
    // The lists of all states lie in one array, so the matching loop reads one place.
    rules_.insert(rules_.begin() + ruleFirst_[state] + ruleCount_[state], rule);
    ++ruleCount_[state];
    for (std::int32_t later = state + 1; later < stateCount_; ++later) ++ruleFirst_[later];
}

void TLexerTables::AddTransition(std::int32_t state, const TCharSet& chars, std::int32_t target) {
    std::int16_t* row = &next_[static_cast<std::size_t>(state) * 256];
    for (int c = 1; c < 256; ++c) {
        if (chars[c] && row[c] == kNoState) {
            row[c] = static_cast<std::int16_t>(target);
            hasTransitions_[state] = 1;
        }
    }
}

TCustomLexer::TCustomLexer() : commentBuffer_(0, 128) {
    ResetState();
}

TCustomLexer::~TCustomLexer() = default;

void TCustomLexer::ResetState() noexcept {
    bufEnd_ = 0;
    bufPos_ = 0;
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
    for (std::int32_t i = 0; i < textLength_; ++i) commentBuffer_.Add(text_[i]);

    bool found = false;
    char previous = '\0';
    for (;;) {
        const char c = GetChar();
        commentBuffer_.Add(c);
        if (c == terminator[0]) {
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
    do {
        StartToken();
        if (MatchToken(tables)) {
            RuleAction(rule_);
        } else if (!DefaultAction() && EndOfInput()) {
            Reset();
            ReturnToken(0);
        }
    } while (!done_);
    return retVal_;
}

void TCustomLexer::StartToken() noexcept {
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

bool TCustomLexer::MatchToken(const TLexerTables& tables) {
    for (;;) {
        const std::int32_t* rules = tables.RulesOf(state_);
        const std::int32_t count = tables.RuleCount(state_);
        for (std::int32_t i = 0; i < count; ++i) MarkRule(rules[i]);
        for (std::int32_t i = count - 1; i >= 0; --i) PushMatch(rules[i]);
        if (!tables.HasTransitions(state_)) break;
        ScanChar();
        const std::int32_t target = tables.Target(state_, static_cast<unsigned char>(curChar_));
        if (target == TLexerTables::kNoState) break;
        state_ = target;
    }
    return FindMatch();
}

void TCustomLexer::ScanChar() {
    if (textLength_ >= kMaxTokenText) Fatal(LexLibText::kTokenBufferOverflow);
    curChar_ = GetChar();
    text_[textLength_++] = curChar_;
}

void TCustomLexer::MarkRule(std::int32_t rule) {
    if (rule > kMaxRules) Fatal(LexLibText::kTooManyRules);
    ruleEnd_[rule - 1] = textLength_;
}

void TCustomLexer::PushMatch(std::int32_t rule) {
    if (++matchCount_ > kMatchStackSize) Fatal(LexLibText::kMatchStackOverflow);
    matchStack_[matchCount_ - 1] = rule;
}

bool TCustomLexer::FindMatch() {
    while (matchCount_ > 0 && ruleEnd_[matchStack_[matchCount_ - 1] - 1] == 0) --matchCount_;
    if (matchCount_ == 0) {
        BackUp(0);
        lastChar_ = '\0';
        return false;
    }
    rule_ = matchStack_[matchCount_ - 1];
    BackUp(ruleEnd_[rule_ - 1]);
    ruleEnd_[rule_ - 1] = 0;
    lastChar_ = textLength_ > 0 ? text_[textLength_ - 1] : '\0';
    return true;
}

void TCustomLexer::BackUp(std::int32_t n) {
    for (std::int32_t i = textLength_; i > n; --i) UngetChar(text_[i - 1]);
    textLength_ = n;
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
