// Tokens as the lexer tests compare them: the code and the token text.
#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

struct TToken {
    std::int32_t code;
    std::string text;
    bool operator==(const TToken& other) const { return code == other.code && text == other.text; }
};

inline std::ostream& operator<<(std::ostream& out, const TToken& token) {
    return out << token.code << " \"" << token.text << '"';
}

// Every token a lexer delivers until it reports the end of input.
template <typename Lexer>
std::vector<TToken> CollectTokens(Lexer& lexer) {
    std::vector<TToken> tokens;
    for (std::int32_t code = lexer.NextToken(); code != 0; code = lexer.NextToken()) {
        tokens.push_back({code, std::string(lexer.Text())});
    }
    return tokens;
}
