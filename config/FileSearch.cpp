#include "config/FileSearch.h"

std::vector<std::string> FileSearchCandidates(const std::string& name, const std::string& pathList)
{
    std::vector<std::string> candidates{name};
    std::size_t start = 0;
    while (start <= pathList.size()) {
        std::size_t end = pathList.find(';', start);
        if (end == std::string::npos) end = pathList.size();
        const std::string folder = pathList.substr(start, end - start);
        if (!folder.empty()) {
            const char last = folder.back();
            candidates.push_back(folder + (last == '\\' || last == ':' ? "" : "\\") + name);
        }
        start = end + 1;
    }
    return candidates;
}

std::string FileSearch(const std::string& name, const std::string& pathList,
                       const std::function<bool(const std::string&)>& exists)
{
    for (const std::string& candidate : FileSearchCandidates(name, pathList))
        if (exists(candidate)) return candidate;
    return {};
}
