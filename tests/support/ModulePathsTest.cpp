#include "support/ModulePaths.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cctype>

#include "tests/common/HostPath.h"
#include "tests/support/WinTestSupport.h"

using wintest::TempFolder;

namespace {

// The probe library's path, handed in on the command line.
std::string ProbeLibrary()
{
    const std::vector<std::string> args = testing::internal::GetArgvs();
    return args.size() > 1 ? ToHostPath(args[1]) : std::string();
}

std::string FolderOf(const std::string& path)
{
    return path.substr(0, path.find_last_of('\\') + 1);
}

std::string FileNameOf(const std::string& path)
{
    return path.substr(path.find_last_of('\\') + 1);
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// GetModulePath as the probe library, loaded through path, reports it, with
// what the loader itself says.
struct ProbeAnswer {
    std::string ModulePath;
    std::string LoaderPath;
};

ProbeAnswer AskProbe(const std::string& path)
{
    ProbeAnswer answer;
    HMODULE probe = LoadLibraryA(path.c_str());
    EXPECT_NE(probe, nullptr) << path;
    if (!probe) return answer;
    using ProbeProc = int (*)(char*, int);
    const auto ask = reinterpret_cast<ProbeProc>(reinterpret_cast<void*>(GetProcAddress(probe, "ProbeModulePath")));
    EXPECT_NE(ask, nullptr);
    char buffer[MAX_PATH + 1] = {};
    if (ask && ask(buffer, sizeof buffer) > 0) answer.ModulePath = buffer;
    char loader[MAX_PATH + 1] = {};
    GetModuleFileNameA(probe, loader, sizeof loader);
    answer.LoaderPath = loader;
    FreeLibrary(probe);
    return answer;
}

}  // namespace

TEST(GetDllVersion, ReadsTheSystemLibrariesVersions)
{
    EXPECT_EQ(GetDllVersion("comctl32.dll"), 581);
    EXPECT_EQ(GetDllVersion("shell32.dll"), 600);
}

TEST(GetDllVersion, GivesFourHundredWithoutAVersionEntry)
{
    EXPECT_EQ(GetDllVersion("kernel32.dll"), 400);
    EXPECT_EQ(GetDllVersion("version.dll"), 400);
    EXPECT_EQ(GetDllVersion("no-such-library.dll"), 400);
    EXPECT_EQ(GetDllVersion(ProbeLibrary()), 400);
}

TEST(ShellVersionAtLeast, ComparesWithTheShellsVersion)
{
    const int shell = GetDllVersion("shell32.dll");
    EXPECT_TRUE(ShellVersionAtLeast(471));
    EXPECT_TRUE(ShellVersionAtLeast(shell));
    EXPECT_FALSE(ShellVersionAtLeast(shell + 1));
}

TEST(GetModulePath, GivesTheProgramForCodeInTheProgram)
{
    char loader[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, loader, sizeof loader);
    EXPECT_EQ(Lower(GetModulePath()), Lower(loader));
    EXPECT_EQ(FileNameOf(GetModulePath()), "ModulePathsTest.exe");
}

TEST(GetModulePath, GivesTheLibrarysStoredNameWhenLoadedThroughAnotherSpelling)
{
    ASSERT_FALSE(ProbeLibrary().empty()) << "the probe library's path is the first argument";
    TempFolder folder;
    const std::string stored = "Module Path Probe Library.dll";
    ASSERT_TRUE(CopyFileA(ProbeLibrary().c_str(), (folder / stored).c_str(), FALSE));

    // Through its name in other letters.
    {
        const ProbeAnswer answer = AskProbe(folder / "MODULE path PROBE library.DLL");
        EXPECT_EQ(FileNameOf(answer.ModulePath), stored);
        EXPECT_EQ(FolderOf(answer.ModulePath), FolderOf(answer.LoaderPath));
    }

    // Through its short name, where the system has one.
    char shortPath[MAX_PATH + 1] = {};
    const DWORD length = GetShortPathNameA((folder / stored).c_str(), shortPath, sizeof shortPath);
    ASSERT_GT(length, 0u);
    ASSERT_NE(FileNameOf(shortPath), stored) << "no short name: " << shortPath;
    {
        const ProbeAnswer answer = AskProbe(shortPath);
        EXPECT_EQ(FileNameOf(answer.ModulePath), stored);
        EXPECT_EQ(FolderOf(answer.ModulePath), FolderOf(answer.LoaderPath));
    }
}

TEST(GetEnvVar, ReadsTheVariableOrNothing)
{
    ASSERT_TRUE(SetEnvironmentVariableA("KS_TEST_VAR", "some value"));
    EXPECT_EQ(GetEnvVar("KS_TEST_VAR"), "some value");
    const std::string longValue(5000, 'v');
    ASSERT_TRUE(SetEnvironmentVariableA("KS_TEST_VAR", longValue.c_str()));
    EXPECT_EQ(GetEnvVar("KS_TEST_VAR"), longValue);
    ASSERT_TRUE(SetEnvironmentVariableA("KS_TEST_VAR", nullptr));
    EXPECT_EQ(GetEnvVar("KS_TEST_VAR"), "");
    EXPECT_FALSE(GetEnvVar("PATH").empty());
}

TEST(GetSpecialFolderPath, GivesTheShellsFolderOrFalseAndEmpty)
{
    std::string buffer = "left over";
    ASSERT_TRUE(GetSpecialFolderPath(CSIDL_WINDOWS, buffer));
    char windows[MAX_PATH + 1] = {};
    GetWindowsDirectoryA(windows, sizeof windows);
    EXPECT_EQ(Lower(buffer), Lower(windows));

    buffer = "left over";
    EXPECT_FALSE(GetSpecialFolderPath(0x7F, buffer));
    EXPECT_EQ(buffer, "");
}
