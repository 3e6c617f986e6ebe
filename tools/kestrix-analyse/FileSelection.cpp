#include "tools/kestrix-analyse/FileSelection.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "shell/AnalysisSelection.h"

namespace fs = std::filesystem;

namespace {

void AddFolder(const fs::path& folder, const std::string& extensions, std::vector<std::string>& files)
{
    std::error_code error;
    fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    for (const fs::recursive_directory_iterator end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (it->is_regular_file(ignored) && IsPascalSourceName(it->path().filename().string(), extensions))
            files.push_back(it->path().string());
    }
    if (error) throw std::runtime_error("cannot read the folder " + folder.string() + ": " + error.message());
}

}  // namespace

std::vector<std::string> SelectSourceFiles(const std::vector<std::string>& paths, const std::string& extensions)
{
    std::vector<std::string> files;
    for (const std::string& path : paths) {
        std::error_code error;
        const fs::file_status status = fs::status(path, error);
        if (!fs::exists(status)) throw std::invalid_argument("no such file or folder: " + path);
        if (fs::is_directory(status))
            AddFolder(path, extensions, files);
        else if (IsPascalSourceName(fs::path(path).filename().string(), extensions))
            files.push_back(path);
    }
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());
    return files;
}
