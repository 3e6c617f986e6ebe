#include "shell/AnalysisSelection.h"

std::string LowerCaseExtension(const std::string& fileName)
{
    const std::string::size_type point = fileName.rfind('.');
    if (point == std::string::npos) return {};
    std::string extension = fileName.substr(point);
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return extension;
}

bool IsPascalSourceName(const std::string& fileName, const std::string& extensions)
{
    const std::string extension = LowerCaseExtension(fileName);
    return !extension.empty() && extensions.find(extension) != std::string::npos;
}
