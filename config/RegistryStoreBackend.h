// The option store's key in the registry.
#pragma once
#include <windows.h>

#include <string>

#include "config/StoreBackend.h"

class TRegistryStoreBackend : public TStoreBackend {
public:
    TRegistryStoreBackend(HKEY root, std::string key) : root_(root), key_(std::move(key)) {}

    std::string ReadString(const std::string& name, const std::string& defaultValue) const override;
    bool WriteString(const std::string& name, const std::string& value) override;
    bool DeleteValue(const std::string& name) override;
    bool DeleteKey() override;

private:
    HKEY root_;
    std::string key_;
};
