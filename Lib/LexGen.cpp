#include "Lib/LexGen.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct TNfaNode {
    TCharSet chars;        // the characters that lead to next
    int next = -1;
    std::vector<int> epsilon;
    int rule = 0;          // the rule accepted here, 0 for none
};

struct TFragment {
    int start;
    int end;  // has no outgoing edges yet
};

class TNfa {
public:
    std::vector<TNfaNode> nodes;

    int NewNode() {
        nodes.emplace_back();
        return static_cast<int>(nodes.size()) - 1;
    }
    TFragment Chars(const TCharSet& chars) {
        const int start = NewNode();
        const int end = NewNode();
        nodes[start].chars = chars;
        nodes[start].chars.reset(0);  // NUL is the end of input, never a character of a token
        nodes[start].next = end;
        return {start, end};
    }
    TFragment Concat(TFragment a, TFragment b) {
        Link(a.end, b.start);
        return {a.start, b.end};
    }
    TFragment Alternative(TFragment a, TFragment b) {
        const int start = NewNode();
        const int end = NewNode();
        Link(start, a.start);
        Link(start, b.start);
        Link(a.end, end);
        Link(b.end, end);
        return {start, end};
    }
    TFragment Repeat(TFragment a, char op) {
        const int start = NewNode();
        const int end = NewNode();
        Link(start, a.start);
        Link(a.end, end);
        if (op != '+') Link(start, end);
        if (op != '?') Link(a.end, a.start);
        return {start, end};
    }
    void Link(int from, int to) { nodes[from].epsilon.push_back(to); }
};

// Recursive descent over one pattern.
class TPatternParser {
public:
    TPatternParser(TNfa& nfa, const char* pattern) : nfa_(nfa), pattern_(pattern), pos_(pattern) {}

    TFragment Parse() {
        const TFragment result = ParseAlternatives();
        if (*pos_ != '\0') Fail("unexpected character");
        return result;
    }

private:
    TFragment ParseAlternatives() {
        TFragment result = ParseSequence();
        while (*pos_ == '|') {
            ++pos_;
            result = nfa_.Alternative(result, ParseSequence());
        }
        return result;
    }
    TFragment ParseSequence() {
        TFragment result = ParseRepeat();
        while (*pos_ != '\0' && *pos_ != '|' && *pos_ != ')') result = nfa_.Concat(result, ParseRepeat());
        return result;
    }
    TFragment ParseRepeat() {
        TFragment result = ParseAtom();
        while (*pos_ == '*' || *pos_ == '+' || *pos_ == '?') result = nfa_.Repeat(result, *pos_++);
        return result;
    }
    TFragment ParseAtom() {
        switch (*pos_) {
            case '\0':
            case '|':
            case ')':
            case '*':
            case '+':
            case '?':
                Fail("missing item");
            case '(': {
                ++pos_;
                const TFragment inner = ParseAlternatives();
                if (*pos_++ != ')') Fail("missing )");
                return inner;
            }
            case '[':
                ++pos_;
                return nfa_.Chars(ParseClass());
            default: {
                TCharSet one;
                one.set(ParseChar());
                return nfa_.Chars(one);
            }
        }
    }
    TCharSet ParseClass() {
        TCharSet set;
        const bool complement = *pos_ == '^';
        if (complement) ++pos_;
        while (*pos_ != ']') {
            if (*pos_ == '\0') Fail("missing ]");
            const unsigned char first = ParseChar();
            unsigned char last = first;
            if (*pos_ == '-' && pos_[1] != ']') {
                ++pos_;
                last = ParseChar();
            }
            if (last < first) Fail("empty range");
            for (int c = first; c <= last; ++c) set.set(c);
        }
        ++pos_;
        return complement ? ~set : set;
    }
    unsigned char ParseChar() {
        const char c = *pos_++;
        if (c != '\\') return static_cast<unsigned char>(c);
        const char escaped = *pos_++;
        switch (escaped) {
            case 'n': return '\n';
            case 't': return '\t';
            case 'f': return '\f';
            case 'r': return '\r';
            case '0': return 0;
            case 'x': {
                const int high = HexValue(pos_[0]);
                const int low = high < 0 ? -1 : HexValue(pos_[1]);
                if (low < 0) Fail("bad \\x escape");
                pos_ += 2;
                return static_cast<unsigned char>(high * 16 + low);
            }
            case '\0': Fail("trailing backslash");
            default: return static_cast<unsigned char>(escaped);
        }
    }
    static int HexValue(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    }
    [[noreturn]] void Fail(const char* what) const {
        throw std::invalid_argument(std::string("pattern \"") + pattern_ + "\": " + what + " at offset " +
                                    std::to_string(pos_ - pattern_));
    }

    TNfa& nfa_;
    const char* pattern_;
    const char* pos_;
};

using TNodeSet = std::vector<int>;  // sorted node numbers

// Nodes 0 and 1 start the two start states; keeping them in the subsets keeps
// those states apart even when no rule is tied to the line start.
constexpr int kStartNodes = 2;

// The nodes reachable without reading, keeping only those that matter to the
// automaton: nodes that read a character and nodes that accept a rule. Two
// subsets with the same such nodes behave alike and are one state, as in the
// construction over pattern positions.
TNodeSet Closure(const TNfa& nfa, std::vector<int> pending) {
    std::vector<bool> seen(nfa.nodes.size());
    for (const int node : pending) seen[node] = true;
    TNodeSet result;
    while (!pending.empty()) {
        const int node = pending.back();
        pending.pop_back();
        if (nfa.nodes[node].next >= 0 || nfa.nodes[node].rule != 0 || node < kStartNodes) result.push_back(node);
        for (const int next : nfa.nodes[node].epsilon) {
            if (!seen[next]) {
                seen[next] = true;
                pending.push_back(next);
            }
        }
    }
    std::sort(result.begin(), result.end());
    return result;
}

struct TDfaState {
    TNodeSet nodes;
    std::vector<int> rules;
    std::vector<std::pair<int, TCharSet>> transitions;  // target, characters
};

}  // namespace

TLexerTables BuildLexerTables(const TLexRule* rules, std::size_t count) {
    TNfa nfa;
    const int anywhere = nfa.NewNode();
    const int lineStart = nfa.NewNode();
    for (std::size_t i = 0; i < count; ++i) {
        const TFragment fragment = TPatternParser(nfa, rules[i].Pattern).Parse();
        nfa.nodes[fragment.end].rule = static_cast<int>(i) + 1;
        if (!rules[i].LineStart) nfa.Link(anywhere, fragment.start);
        nfa.Link(lineStart, fragment.start);
    }

    std::vector<TDfaState> states;
    std::map<TNodeSet, int> numbers;
    auto stateOf = [&](TNodeSet nodes) {
        const auto known = numbers.find(nodes);
        if (known != numbers.end()) return known->second;
        const int number = static_cast<int>(states.size());
        numbers.emplace(nodes, number);
        states.push_back({std::move(nodes), {}, {}});
        return number;
    };
    stateOf(Closure(nfa, {anywhere}));
    stateOf(Closure(nfa, {lineStart}));

    // States are numbered in the order they are first reached.
    for (std::size_t s = 0; s < states.size(); ++s) {
        for (const int node : states[s].nodes) {
            if (nfa.nodes[node].rule != 0) states[s].rules.push_back(nfa.nodes[node].rule);
        }
        std::sort(states[s].rules.begin(), states[s].rules.end());

        for (int c = 1; c < 256; ++c) {
            std::vector<int> moved;
            for (const int node : states[s].nodes) {
                if (nfa.nodes[node].chars[c]) moved.push_back(nfa.nodes[node].next);
            }
            if (moved.empty()) continue;
            const int target = stateOf(Closure(nfa, std::move(moved)));
            auto& transitions = states[s].transitions;
            auto same = std::find_if(transitions.begin(), transitions.end(),
                                     [target](const auto& t) { return t.first == target; });
            if (same == transitions.end()) {
                transitions.emplace_back(target, TCharSet());
                same = transitions.end() - 1;
            }
            same->second.set(c);
        }
    }

    TLexerTables tables(static_cast<std::int32_t>(states.size()));
    for (std::size_t s = 0; s < states.size(); ++s) {
        const auto state = static_cast<std::int32_t>(s);
        for (const int rule : states[s].rules) tables.AddRule(state, rule);
        for (const auto& [target, chars] : states[s].transitions) tables.AddTransition(state, chars, target);
    }
    return tables;
}
