#include "config/RegistryStoreBackend.h"

#include "support/Registry.h"

std::string TRegistryStoreBackend::ReadString(const std::string& name, const std::string& defaultValue) const
{
    return RegReadString(root_, key_, name, defaultValue);
}

bool TRegistryStoreBackend::WriteString(const std::string& name, const std::string& value)
{
    return RegWriteString(root_, key_, name, value);
}

bool TRegistryStoreBackend::DeleteValue(const std::string& name)
{
    return RegDeleteValue(root_, key_, name);
}

bool TRegistryStoreBackend::DeleteKey()
{
    return RegDeleteKeyTree(root_, key_, true);
}
