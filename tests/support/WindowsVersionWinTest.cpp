// The Windows version as the system reports it. Wine's per-program setting
// HKCU\Software\Wine\AppDefaults\<program>\Version makes it report another
// Windows to one program, so copies of a probe program under distinct names
// each see their own version. Argument: the probe program.
#include "support/WindowsVersionWin.h"

#include <gtest/gtest.h>

#include <future>
#include <string>
#include <vector>

#include "support/WinHandle.h"
#include "tests/common/HostPath.h"
#include "tests/support/WinTestSupport.h"

namespace {

std::string ProbeProgram()
{
    const std::vector<std::string> arguments = testing::internal::GetArgvs();
    return arguments.size() > 1 ? ToHostPath(arguments[1]) : std::string();
}

// Wine's version setting for one program name, removed again afterwards.
class AppDefaultVersion {
public:
    AppDefaultVersion(const std::string& program, const std::string& version)
        : key_("Software\\Wine\\AppDefaults\\" + program)
    {
        UniqueKey key;
        RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Receive(),
                        nullptr);
        RegSetValueExA(key.Get(), "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                       static_cast<DWORD>(version.size() + 1));
    }
    ~AppDefaultVersion() { RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str()); }
    AppDefaultVersion(const AppDefaultVersion&) = delete;
    AppDefaultVersion& operator=(const AppDefaultVersion&) = delete;

private:
    std::string key_;
};

// Runs the program and gives what it wrote to its standard output.
std::string OutputOf(const std::string& program)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    UniqueFile readEnd;
    UniqueFile writeEnd;
    if (!CreatePipe(readEnd.Receive(), writeEnd.Receive(), &inherit, 0)) return "(no pipe)";
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = writeEnd.Get();
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + program + "\"";
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process))
        return "(not started)";
    UniqueFile processHandle(process.hProcess);
    UniqueFile threadHandle(process.hThread);
    writeEnd.Reset();

    std::string output;
    char buffer[256];
    DWORD got = 0;
    while (ReadFile(readEnd.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) output.append(buffer, got);
    WaitForSingleObject(processHandle.Get(), 30000);
    std::string lines;
    for (char c : output)
        if (c != '\r') lines += c;
    return lines;
}

}  // namespace

TEST(WindowsVersionWin, ClassifiesWhatWineReportsForEachSetting)
{
    ASSERT_FALSE(ProbeProgram().empty());
    struct Case {
        const char* setting;
        TWindowsVersion version;
        const char* detailedName;
    };
    const Case cases[] = {
        {"winxp", wvWinXP, "Windows XP (Build 2600, Service Pack 3)"},
        {"win2k", wvWin2000, "Windows 2000 (Build 2195, Service Pack 4)"},
        {"win98", wvWin98SE, "Windows 98 (Build 2222, SE)"},
        {"win95", wvWin95, "Windows 95 (Build 950)"},
        {"nt40", wvWinNT4, "Windows NT 4.0 (Build 1381, Service Pack 6a)"},
        {"win7", wvUnknown, "Unknown (Build 7601, Service Pack 1)"},
    };
    const wintest::TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting);
        const std::string name = "ks-version-probe-" + wintest::UniqueSuffix() + "-" + c.setting + ".exe";
        ASSERT_TRUE(CopyFileA(ProbeProgram().c_str(), (folder / name).c_str(), FALSE));
        const AppDefaultVersion setting(name, c.setting);
        EXPECT_EQ(OutputOf(folder / name), std::to_string(c.version) + "\n" + c.detailedName + "\n");
    }
}

TEST(WindowsVersionWin, TheRecordCarriesItsSizeAndMatchesTheClassification)
{
    const OSVERSIONINFOA info = GetOsVersionInfo();
    EXPECT_EQ(info.dwOSVersionInfoSize, 148u);
    EXPECT_NE(info.dwPlatformId, kPlatformNone);
    TOsVersionRecord record;
    record.PlatformId = info.dwPlatformId;
    record.MajorVersion = info.dwMajorVersion;
    record.MinorVersion = info.dwMinorVersion;
    record.BuildNumber = info.dwBuildNumber;
    record.CSDVersion = info.szCSDVersion;
    EXPECT_EQ(GetWindowsVersion(), ClassifyWindowsVersion(record));
    EXPECT_EQ(GetWindowsVersionName(false), WindowsVersionDisplayName(GetWindowsVersion()));
    EXPECT_EQ(GetWindowsVersionName(true), WindowsVersionName(GetWindowsVersion(), record, true));
}

TEST(WindowsVersionWin, ConcurrentCallersAgree)
{
    std::vector<std::future<TWindowsVersion>> callers;
    for (int i = 0; i < 8; ++i) callers.push_back(std::async(std::launch::async, [] { return GetWindowsVersion(); }));
    const TWindowsVersion expected = GetWindowsVersion();
    for (auto& caller : callers) EXPECT_EQ(caller.get(), expected);
}
