// Which files a run of kestrix-analyse takes from its PATH arguments.
#pragma once
#include <string>
#include <vector>

// Every file chosen by the extension rule: a file named directly, and every
// file in and below a named folder. Paths are as reached from their PATH, in
// sorted order, each once. A PATH that does not exist is an error
// (std::invalid_argument naming it).
std::vector<std::string> SelectSourceFiles(const std::vector<std::string>& paths, const std::string& extensions);
