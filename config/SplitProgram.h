// A program line as the user enters it: a program path, optionally quoted with
// " or ', or ended by "?", followed by its parameters.
#pragma once
#include <string>

struct TProgramLine {
    std::string Program;
    std::string Parameters;
};

TProgramLine SplitProgram(const std::string& line);
