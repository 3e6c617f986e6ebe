// The key that holds the option store: string values under one key, which a
// write creates when it is missing.
#pragma once
#include <string>

class TStoreBackend {
public:
    virtual ~TStoreBackend() = default;

    // The stored text of the value; defaultValue when it is missing or cannot
    // be read as text.
    virtual std::string ReadString(const std::string& name, const std::string& defaultValue) const = 0;
    virtual bool WriteString(const std::string& name, const std::string& value) = 0;
    virtual bool DeleteValue(const std::string& name) = 0;
    // The key with all its values and subkeys.
    virtual bool DeleteKey() = 0;
};
