#include "config/ProgramSearch.h"

#include <windows.h>

#include "config/FileSearch.h"
#include "support/ModulePaths.h"

namespace {

bool IsExistingFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

std::string SearchProgramFile(const std::string& name)
{
    return FileSearch(name, GetEnvVar("PATH"), IsExistingFile);
}
