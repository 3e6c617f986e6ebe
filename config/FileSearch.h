// Finding a program file: the name itself (relative to the current folder),
// then each folder of a PATH-style list.
#pragma once
#include <functional>
#include <string>
#include <vector>

// The paths tried, in order: the name, then each non-empty entry of the
// ";"-separated list joined to the name with "\" (none after "\" or ":").
std::vector<std::string> FileSearchCandidates(const std::string& name, const std::string& pathList);

// The first candidate for which exists is true; empty when there is none.
std::string FileSearch(const std::string& name, const std::string& pathList,
                       const std::function<bool(const std::string&)>& exists);
