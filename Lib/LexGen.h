// Builds a scanner's automaton from its rules, as a scanner generator does:
// every pattern becomes a nondeterministic automaton, and the subset
// construction from the two start states of start condition 0 (states 0 and
// 1) makes the deterministic one. Portable.
//
// Pattern notation: a character stands for itself; \n \t \f \r \0 and \xHH
// are control bytes, a backslash before any other character takes it
// literally; [...] is a class with ranges (a-z) and ^ for the complement;
// ( ) groups, | separates alternatives, * + ? repeat the item before them.
#pragma once
#include <cstddef>

#include "Lib/LexLib.h"

struct TLexRule {
    const char* Pattern;
    bool LineStart;  // the rule applies only when the token begins a line
};

// Rule i of the list gets the number i + 1, so earlier rules win ties.
// A malformed pattern raises std::invalid_argument.
TLexerTables BuildLexerTables(const TLexRule* rules, std::size_t count);
