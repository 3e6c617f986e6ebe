// Finding a program file the way the shell extension starts it: the name in
// the current folder, then along PATH.
#pragma once
#include <string>

// The first existing file; empty when there is none.
std::string SearchProgramFile(const std::string& name);
