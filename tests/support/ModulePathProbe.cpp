// A library that reports GetModulePath from inside itself, so the test can
// load it through a path of its choosing.
#include <cstring>

#include "support/ModulePaths.h"

extern "C" __declspec(dllexport) int ProbeModulePath(char* buffer, int size)
{
    const std::string path = GetModulePath();
    if (size <= 0 || static_cast<int>(path.size()) >= size) return -1;
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return static_cast<int>(path.size());
}
