#include "Lib/DelphiLexer.h"

#include <cstring>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "Lib/LexGen.h"

namespace {

using namespace DelphiToken;

// The Pascal token rules in priority order: a rule's number is its place here.
// Letters are A to Z, a to z, the underscore and the byte 0xFC.
struct TDelphiRule {
    TLexRule Lex;
    std::int32_t Token;  // delivered by the rule, or kOwnAction
};

constexpr std::int32_t kOwnAction = -1;

// The rules whose actions do more than deliver a token.
enum : std::int32_t {
    kWordRule = 1,
    kLineCommentRule = 27,
    kStarCommentRule = 33,
    kBraceCommentRule = 34,
    kBlankLineRule = 35,
    kBlankRule = 36,
    kOtherCharRule = 37,
};

constexpr TDelphiRule kRules[] = {
    {{R"([A-Za-z_\xFC][A-Za-z0-9_\xFC]*)", false}, kOwnAction},  // 1 word
    {{R"(:=)", false}, ASSIGN},                             // 2
    {{R"('')", false}, STRING_LITERAL},                     // 3 the empty string
    {{R"('([^'\0]|'')+')", false}, STRING_LITERAL},         // 4 a string, quotes doubled inside
    {{R"(:)", false}, COLON},                               // 5
    {{R"(,)", false}, COMMA},                               // 6
    {{R"(\.)", false}, DOT},                                // 7
    {{R"(\.\.)", false}, DOTDOT},                           // 8
    {{R"(=)", false}, EQUAL},                               // 9
    {{R"(>=)", false}, GREATER_EQUAL},                      // 10
    {{R"(>)", false}, GREATER},                             // 11
    {{R"(\[)", false}, LEFT_BRACKET},                       // 12
    {{R"(<=)", false}, LESS_EQUAL},                         // 13
    {{R"(\()", false}, LEFT_PAREN},                         // 14
    {{R"(<)", false}, LESS},                                // 15
    {{R"(-)", false}, MINUS},                               // 16
    {{R"(<>)", false}, NOT_EQUAL},                          // 17
    {{R"(\+)", false}, PLUS},                               // 18
    {{R"(\])", false}, RIGHT_BRACKET},                      // 19
    {{R"(\$[0-9A-Fa-f]+)", false}, HEX_NUMBER},             // 20
    {{R"([0-9]+)", false}, INTEGER_NUMBER},                 // 21
    {{R"([0-9]+\.[0-9]+)", false}, REAL_NUMBER},            // 22
    {{R"(\))", false}, RIGHT_PAREN},                        // 23
    {{R"(;)", false}, SEMICOLON},                           // 24
    {{R"(@)", false}, AT_SIGN},                             // 25
    {{R"(#)", false}, HASH},                                // 26
    {{R"(//)", false}, kOwnAction},                         // 27 line comment
    {{R"(/)", false}, SLASH},                               // 28
    {{R"(\*)", false}, STAR},                               // 29
    {{R"(\*\*)", false}, STAR_STAR},                        // 30
    {{R"(->)", false}, CARET},                              // 31
    {{R"(\^)", false}, CARET},                              // 32
    {{R"(\(\*)", false}, kOwnAction},                       // 33 comment up to *)
    {{R"(\{)", false}, kOwnAction},                         // 34 comment up to }
    {{R"(\n)", true}, kOwnAction},                          // 35 a blank line
    {{R"([ \t\f\n])", false}, kOwnAction},                  // 36 a blank or a line end
    {{R"([^\n\0])", false}, kOwnAction},                    // 37 anything else
};

static_assert(std::size(kRules) == 37, "the Pascal lexer has 37 rules");
static_assert(kRules[kWordRule - 1].Token == kOwnAction && kRules[kLineCommentRule - 1].Token == kOwnAction &&
                  kRules[kStarCommentRule - 1].Token == kOwnAction && kRules[kBraceCommentRule - 1].Token == kOwnAction &&
                  kRules[kBlankLineRule - 1].Token == kOwnAction && kRules[kBlankRule - 1].Token == kOwnAction &&
                  kRules[kOtherCharRule - 1].Token == kOwnAction,
              "the rules with actions of their own");

constexpr char kControlZ = 26;
constexpr std::size_t kLongestKeyword = 20;

// Both keyword tables in one hash table, for the scanner's hot path. It gives
// what LookupKeyword gives in the reserved table and then in the directive
// table, without the two binary searches per word.
class TKeywordIndex {
public:
    TKeywordIndex() {
        Insert(kReservedWords, false);
        Insert(kDirectiveWords, true);
    }

    std::int32_t TokenOf(std::string_view word) const {
        const std::size_t length = word.size();
        if (length == 0 || length > kLongestKeyword) return IDENTIFIER;
        // Most words that are no keyword meet an empty slot at once, before
        // any of their letters but the first and the last has been looked at.
        for (std::size_t slot = SlotOf(length, Upper(word[0]), Upper(word[length - 1]));;
             slot = (slot + 1) % kSlots) {
            if (slots_[slot] == 0) return IDENTIFIER;
            const TWord& entry = words_[slots_[slot] - 1];
            if (entry.Word.size() == length && SameWord(entry.Word, word)) return entry.Token;
        }
    }

private:
    // Room for the 100 words with most slots empty, so that probes stay
    // short; a slot is one byte, so that the slots stay in the cache.
    static constexpr std::size_t kSlots = 512;
    static constexpr std::size_t kMaxWords = 255;

    struct TWord {
        std::string_view Word;  // upper case
        std::int32_t Token = 0;
    };

    static char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

    static bool SameWord(std::string_view upper, std::string_view word) {
        for (std::size_t i = 0; i < word.size(); ++i)
            if (Upper(word[i]) != upper[i]) return false;
        return true;
    }

    static std::size_t SlotOf(std::size_t length, char first, char last) {
        const std::uint32_t hash = static_cast<std::uint32_t>(length) * 0x9E3779B1u ^
                                   static_cast<unsigned char>(first) * 0x85EBCA6Bu ^
                                   static_cast<unsigned char>(last) * 0xC2B2AE35u;
        return (hash * 2654435761u) >> 23;
    }

    void Insert(const TKeywordTable& table, bool directive) {
        for (std::int32_t i = 0; i < table.Count; ++i) {
            const std::string_view word = table.Entries[i].Word;
            std::size_t slot = SlotOf(word.size(), word.front(), word.back());
            for (; slots_[slot] != 0; slot = (slot + 1) % kSlots)
                if (words_[slots_[slot] - 1].Word == word) break;
            if (slots_[slot] != 0) continue;  // a reserved word stays reserved
            if (wordCount_ == kMaxWords) throw std::logic_error("keyword index: too many words");
            words_[wordCount_] = {word, directive ? DIRECTIVE : table.Entries[i].Code};
            slots_[slot] = static_cast<std::uint8_t>(++wordCount_);
        }
    }

    std::uint8_t slots_[kSlots] = {};  // 1 + the word's place in words_, 0 for an empty slot
    TWord words_[kMaxWords];
    std::size_t wordCount_ = 0;
};

std::int32_t WordToken(std::string_view word) {
    static const TKeywordIndex index;
    return index.TokenOf(word);
}

// Byte order, unsigned; a word sorts before a longer one that it begins.
int CompareWord(const char* word, std::size_t length, const char* entry) {
    for (std::size_t i = 0;; ++i) {
        const auto e = static_cast<unsigned char>(entry[i]);
        if (i == length) return e == 0 ? 0 : -1;
        if (e == 0) return 1;
        const auto w = static_cast<unsigned char>(word[i]);
        if (w != e) return w < e ? -1 : 1;
    }
}

}  // namespace

bool LookupKeyword(std::string_view word, const TKeywordTable& table, std::int32_t& code) {
    if (word.size() > kLongestKeyword) return false;
    char upper[kLongestKeyword];
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = word[i];
        upper[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    std::int32_t low = 1;
    std::int32_t high = table.Count;
    while (low <= high) {
        const std::int32_t middle = low + (high - low) / 2;
        const TKeyword& entry = table.Entries[middle - 1];
        const int order = CompareWord(upper, word.size(), entry.Word);
        if (order == 0) {
            code = entry.Code;
            return true;
        }
        if (order > 0) {
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return false;
}

TDelphiLexer::TDelphiLexer() : tables_(Tables()) {}

const TLexerTables& TDelphiLexer::Tables() {
    static const TLexerTables tables = [] {
        std::vector<TLexRule> rules;
        for (const TDelphiRule& rule : kRules) rules.push_back(rule.Lex);
        return BuildLexerTables(rules.data(), rules.size());
    }();
    return tables;
}

inline void TDelphiLexer::Action(std::int32_t rule) {
    switch (rule) {
        case kWordRule:
            ReturnToken(WordToken(Text()));
            break;
        case kLineCommentRule:
            // A line comment always leaves its line end to be scanned as a blank.
            // When it ends the input, the line end added here balances the one
            // that UngetChar takes off.
            if (!ReadUntil("\n")) AddLine();
            UngetChar('\n');
            ReturnToken(COMMENT);
            break;
        case kStarCommentRule:
            ReturnToken(ReadUntil("*)") ? COMMENT : UNTERMINATED_COMMENT);
            break;
        case kBraceCommentRule:
            ReturnToken(ReadUntil("}") ? COMMENT : UNTERMINATED_COMMENT);
            break;
        case kBlankLineRule:
            ++blankLines_;
            break;
        case kBlankRule:
            break;
        case kOtherCharRule:
            if (Text()[0] != kControlZ) ReturnToken(ILLEGAL_CHAR);
            break;
        default:
            ReturnToken(kRules[rule - 1].Token);
            break;
    }
}

std::int32_t TDelphiLexer::NextToken() {
    // A blank, the commonest token of all, has nothing to do.
    return ScanWith(tables_, kBlankRule, [this](std::int32_t rule) { Action(rule); });
}

void TDelphiLexer::RuleAction(std::int32_t rule) {
    Action(rule);
}
