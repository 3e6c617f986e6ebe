#include "support/Registry.h"

#include <cstring>
#include <vector>

#include "support/DecimalText.h"

namespace {

// What a reader's buffer holds: a path of 260 characters and its NUL.
constexpr DWORD kValueBufferSize = MAX_PATH + 1;
constexpr std::size_t kLongestText = MAX_PATH;

}  // namespace

LONG RegOpenKeyForRead(HKEY Root, const std::string& Key, UniqueKey& Result)
{
    static constexpr REGSAM kAccessTried[] = {
        KEY_READ,
        STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS,
        KEY_QUERY_VALUE,
    };
    LONG error = ERROR_ACCESS_DENIED;
    for (REGSAM access : kAccessTried) {
        error = RegOpenKeyExA(Root, Key.c_str(), 0, access, Result.Receive());
        if (error == ERROR_SUCCESS) break;
    }
    return error;
}

std::string RegReadString(HKEY Root, const std::string& Key, const std::string& Name, const std::string& Default)
{
    UniqueKey key;
    if (RegOpenKeyForRead(Root, Key, key) != ERROR_SUCCESS) return Default;

    char buffer[kValueBufferSize];
    DWORD size = kValueBufferSize;
    DWORD type = REG_NONE;
    if (RegQueryValueExA(key.Get(), Name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
        ERROR_SUCCESS)
        return Default;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return Default;

    // A value stored without its NUL can fill the whole buffer: too long too.
    const std::size_t length = strnlen(buffer, size);
    if (length > kLongestText) return Default;
    return std::string(buffer, length);
}

int RegReadInt(HKEY Root, const std::string& Key, const std::string& Name, int Default)
{
    return ParseDecimal(RegReadString(Root, Key, Name, "")).value_or(Default);
}

bool RegWriteString(HKEY Root, const std::string& Key, const std::string& Name, const std::string& Value)
{
    UniqueKey key;
    char noClass[] = "";
    if (RegCreateKeyExA(Root, Key.c_str(), 0, noClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        key.Receive(), nullptr) != ERROR_SUCCESS)
        return false;
    return RegSetValueExA(key.Get(), Name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(Value.c_str()),
                          static_cast<DWORD>(Value.size() + 1)) == ERROR_SUCCESS;
}

bool RegDeleteKeyTree(HKEY Root, const std::string& Key, bool Recursive)
{
    DWORD remaining = 1;  // when the key cannot be asked, it counts as having subkeys
    {
        UniqueKey key;
        if (RegOpenKeyExA(Root, Key.c_str(), 0, KEY_ALL_ACCESS, key.Receive()) != ERROR_SUCCESS) return false;

        DWORD subkeys = 0;
        DWORD longestName = 0;
        if (RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &subkeys, &longestName, nullptr, nullptr,
                             nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
            remaining = subkeys;

        if (Recursive && remaining > 0) {
            // The longest name is counted in characters; a double-byte code
            // page may need two bytes for each.
            std::vector<char> name((longestName + 1) * 2);
            // From the last index down, so that deleting does not move the
            // indexes still to come.
            for (DWORD index = subkeys; index-- > 0;) {
                DWORD nameLength = static_cast<DWORD>(name.size());
                if (RegEnumKeyExA(key.Get(), index, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) !=
                    ERROR_SUCCESS)
                    continue;
                if (RegDeleteKeyTree(Root, Key + "\\" + std::string(name.data(), nameLength), Recursive))
                    --remaining;
            }
        }
    }
    return remaining == 0 && RegDeleteKeyA(Root, Key.c_str()) == ERROR_SUCCESS;
}

bool RegDeleteValue(HKEY Root, const std::string& Key, const std::string& Name)
{
    UniqueKey key;
    if (RegOpenKeyExA(Root, Key.c_str(), 0, KEY_ALL_ACCESS, key.Receive()) != ERROR_SUCCESS) return false;
    return RegDeleteValueA(key.Get(), Name.c_str()) == ERROR_SUCCESS;
}
