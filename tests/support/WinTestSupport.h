// Throwaway places for the Windows tests: a temporary folder and a registry
// key under HKEY_CURRENT_USER, both removed again when the test ends.
#pragma once
#include <windows.h>
#include <shlwapi.h>

#include <string>

namespace wintest {

inline std::string UniqueSuffix()
{
    static int counter = 0;
    return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
}

inline void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            const std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(path.c_str());
}

class TempFolder {
public:
    TempFolder()
    {
        char temp[MAX_PATH + 1];
        GetTempPathA(sizeof temp, temp);
        path_ = std::string(temp) + "ks-store-" + UniqueSuffix();
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder() { RemoveTree(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

    void MakeFolder(const std::string& name) const { CreateDirectoryA((*this / name).c_str(), nullptr); }
    void MakeFile(const std::string& name, const std::string& content = "x") const
    {
        HANDLE file = CreateFileA((*this / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
    }

private:
    std::string path_;
};

// A key of its own under HKCU\Software\Kestrix Software, deleted with all it holds.
class TestKey {
public:
    explicit TestKey(const std::string& role)
        : name_("Software\\Kestrix Software\\Test-" + role + "-" + UniqueSuffix())
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, name_.c_str());
    }
    ~TestKey() { SHDeleteKeyA(HKEY_CURRENT_USER, name_.c_str()); }
    TestKey(const TestKey&) = delete;
    TestKey& operator=(const TestKey&) = delete;

    const std::string& Name() const { return name_; }
    bool Exists(const std::string& subkey = "") const
    {
        HKEY key = nullptr;
        const std::string path = subkey.empty() ? name_ : name_ + "\\" + subkey;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }
    void MakeSubkey(const std::string& subkey) const
    {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, (name_ + "\\" + subkey).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        RegCloseKey(key);
    }
    // Stores raw bytes of any type, as another program might have.
    void SetRaw(const std::string& name, DWORD type, const void* data, DWORD size) const
    {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, name_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }
    void SetString(const std::string& name, const std::string& value) const
    {
        SetRaw(name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
    }

private:
    std::string name_;
};

}  // namespace wintest
