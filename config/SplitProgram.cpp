#include "config/SplitProgram.h"

namespace {

constexpr char kUnquotedDelimiter = '?';

}  // namespace

TProgramLine SplitProgram(const std::string& line)
{
    TProgramLine result{line, {}};
    if (line.size() <= 2) return result;

    std::string rest = line;
    char delimiter = kUnquotedDelimiter;
    if (rest[0] == '"' || rest[0] == '\'') {
        delimiter = rest[0];
        rest.erase(0, 1);
    }
    const std::size_t at = rest.find(delimiter);
    if (at == std::string::npos) {
        result.Program = rest;
        return result;
    }
    result.Parameters = rest.substr(at + 1);
    result.Parameters.erase(0, result.Parameters.find_first_not_of(' '));
    result.Program = rest.substr(0, at);
    result.Program.erase(result.Program.find_last_not_of(' ') + 1);
    return result;
}
