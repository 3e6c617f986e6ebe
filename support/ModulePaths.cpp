#include "support/ModulePaths.h"

#include <windows.h>
#include <shlwapi.h>

#include "support/WinHandle.h"

namespace {

constexpr int kVersionUnknown = 400;
constexpr DWORD kPathBufferSize = MAX_PATH + 1;

// A module handle of 32 or less is an error code of the old loader.
bool IsLoaded(HMODULE module)
{
    return reinterpret_cast<ULONG_PTR>(module) > 32;
}

template <typename Proc>
Proc FindProc(HMODULE module, const char* name)
{
    // GetProcAddress hands back an untyped entry; the caller names its type.
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

HMODULE OwnModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&OwnModule), &module);
    return module;
}

// The program path as the command line gives it: the first argument, which
// may be quoted.
std::string ProgramPathFromCommandLine()
{
    const std::string line = GetCommandLineA();
    if (!line.empty() && line[0] == '"') {
        const std::size_t end = line.find('"', 1);
        return line.substr(1, end == std::string::npos ? std::string::npos : end - 1);
    }
    return line.substr(0, line.find_first_of(" \t"));
}

}  // namespace

int GetDllVersion(const std::string& LibraryName)
{
    const HMODULE loaded = LoadLibraryA(LibraryName.c_str());
    if (!IsLoaded(loaded)) return kVersionUnknown;
    UniqueLibrary library(loaded);
    const auto getVersion = FindProc<DLLGETVERSIONPROC>(library.Get(), "DllGetVersion");
    if (!getVersion) return kVersionUnknown;

    DLLVERSIONINFO info{};
    info.cbSize = sizeof(info);
    if (getVersion(&info) != NOERROR) return kVersionUnknown;
    return static_cast<int>(info.dwMajorVersion * 100 + info.dwMinorVersion);
}

bool ShellVersionAtLeast(int N)
{
    return GetDllVersion("shell32.dll") >= N;
}

std::string GetModulePath()
{
    char path[kPathBufferSize];
    const DWORD length = GetModuleFileNameA(OwnModule(), path, kPathBufferSize);
    if (length == 0 || length >= kPathBufferSize) return ProgramPathFromCommandLine();

    WIN32_FIND_DATAA found;
    UniqueFind find(FindFirstFileA(path, &found));
    if (!find) return ProgramPathFromCommandLine();

    std::string result(path, length);
    const std::size_t slash = result.find_last_of("\\/:");
    result.erase(slash == std::string::npos ? 0 : slash + 1);
    return result + found.cFileName;
}

std::string GetEnvVar(const std::string& Name)
{
    const DWORD size = GetEnvironmentVariableA(Name.c_str(), nullptr, 0);
    if (size <= 1) return {};
    std::string value(size - 1, '\0');
    // The variable may change in between; what was copied is what counts.
    const DWORD copied = GetEnvironmentVariableA(Name.c_str(), value.data(), size);
    value.resize(copied < size ? copied : 0);
    return value;
}

bool GetSpecialFolderPath(int Folder, std::string& Buffer)
{
    Buffer.clear();
    if (!ShellVersionAtLeast(471)) return false;

    UniqueLibrary shell(LoadLibraryA("shell32.dll"));
    if (!shell) return false;
    using SpecialFolderProc = BOOL(WINAPI*)(HWND, LPSTR, int, BOOL);
    const auto getPath = FindProc<SpecialFolderProc>(shell.Get(), "SHGetSpecialFolderPathA");
    if (!getPath) return false;

    char path[kPathBufferSize] = {};
    if (!getPath(nullptr, path, Folder, FALSE)) return false;
    Buffer = path;
    return true;
}
