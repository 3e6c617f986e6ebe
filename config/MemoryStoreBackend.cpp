#include "config/MemoryStoreBackend.h"

#include <algorithm>
#include <cctype>

bool TMemoryStoreBackend::NameLess::operator()(const std::string& a, const std::string& b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

std::string TMemoryStoreBackend::ReadString(const std::string& name, const std::string& defaultValue) const
{
    const auto found = values_.find(name);
    return found == values_.end() ? defaultValue : found->second;
}

bool TMemoryStoreBackend::WriteString(const std::string& name, const std::string& value)
{
    if (readOnly_) return false;
    values_[name] = value;
    keyExists_ = true;
    return true;
}

bool TMemoryStoreBackend::DeleteValue(const std::string& name)
{
    if (readOnly_ || !keyExists_) return false;
    return values_.erase(name) > 0;
}

bool TMemoryStoreBackend::DeleteKey()
{
    if (readOnly_ || !keyExists_) return false;
    values_.clear();
    keyExists_ = false;
    return true;
}
