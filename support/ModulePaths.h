// Library and shell versions, the module's own path, environment variables and
// the shell's special folders.
#pragma once
#include <string>

// major * 100 + minor from the library's DllGetVersion (4.71 gives 471); 400
// when the library cannot be loaded, has no DllGetVersion or the call fails.
int GetDllVersion(const std::string& LibraryName);

// The shell's version (asked afresh every time) is at least N.
bool ShellVersionAtLeast(int N);

// Full path of the module that holds this code, with the file name as it is
// stored on disk (long name, stored letter case); the folder part stays as the
// loader reports it. The running program's path from its command line when
// the module path cannot be found.
std::string GetModulePath();

// The value of the environment variable; empty when it is not set.
std::string GetEnvVar(const std::string& Name);

// The path of the shell special folder with the CSIDL value Folder, which is
// never created. False, with Buffer empty, on any failure (also with a shell
// older than 4.71).
bool GetSpecialFolderPath(int Folder, std::string& Buffer);
