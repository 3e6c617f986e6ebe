// An option store key held in memory, for tests of the store's logic and of
// its users. Value names compare without regard to letter case, as in the
// registry.
#pragma once
#include <map>
#include <string>

#include "config/StoreBackend.h"

class TMemoryStoreBackend : public TStoreBackend {
public:
    struct NameLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    using Values = std::map<std::string, std::string, NameLess>;

    TMemoryStoreBackend() = default;
    explicit TMemoryStoreBackend(Values values) : values_(std::move(values)), keyExists_(!values_.empty()) {}

    std::string ReadString(const std::string& name, const std::string& defaultValue) const override;
    bool WriteString(const std::string& name, const std::string& value) override;
    bool DeleteValue(const std::string& name) override;
    bool DeleteKey() override;

    const Values& StoredValues() const { return values_; }
    bool KeyExists() const { return keyExists_; }
    // A key that cannot be created or written, as for a user without rights.
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

private:
    Values values_;
    bool keyExists_ = false;
    bool readOnly_ = false;
};
