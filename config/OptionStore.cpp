#include "config/OptionStore.h"

#include "config/OptionText.h"
#include "config/OptionTypes.h"
#include "config/StoreNames.h"
#include "support/DecimalText.h"

namespace {

constexpr int kNoStoredCount = -1;
constexpr std::size_t kIndicatorCount = 4;
constexpr char kDefaultIndicators[] = "0001";

std::string OptionName(int position)
{
    return StoreNames::OptionPrefix + std::to_string(position);
}

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string Trim(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlankOrControl(text[begin])) ++begin;
    while (end > begin && IsBlankOrControl(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

}  // namespace

int TOptionStore::ReadInt(const std::string& name, int defaultValue) const
{
    return ParseDecimal(backend_.ReadString(name, "")).value_or(defaultValue);
}

void TOptionStore::EnsureDefaultOptions()
{
    std::lock_guard<std::mutex> lock(mutex_);
    EnsureDefaultsLocked();
}

void TOptionStore::EnsureDefaultsLocked()
{
    if (defaultsChecked_) return;
    if (ReadInt(StoreNames::OptionCount, kNoStoredCount) == kNoStoredCount) {
        backend_.WriteString(StoreNames::OptionCount, std::to_string(kOptionTypeCount - 1));
        indicatorText_ = kDefaultIndicators;
        backend_.WriteString(StoreNames::Indicators, *indicatorText_);
        // Every type but the user-defined one, at the position of its id.
        for (int id = otAnalyse; id < kOptionTypeCount; ++id)
            backend_.WriteString(OptionName(id), OptionToText(DefaultOption(static_cast<TOptionType>(id))));
    }
    defaultsChecked_ = true;
}

int TOptionStore::GetOptionCount()
{
    EnsureDefaultOptions();
    return ReadInt(StoreNames::OptionCount, 0);
}

bool TOptionStore::SetOptionCount(int count)
{
    return backend_.WriteString(StoreNames::OptionCount, std::to_string(count));
}

std::optional<TContextMenuOption> TOptionStore::ReadOption(int position) const
{
    const std::string text = backend_.ReadString(OptionName(position), "");
    if (text.empty()) return std::nullopt;
    return TextToOption(text);
}

bool TOptionStore::WriteOption(int position, const TContextMenuOption& option)
{
    return backend_.WriteString(OptionName(position), OptionToText(option));
}

bool TOptionStore::DeleteOption(int position)
{
    return backend_.DeleteValue(OptionName(position));
}

std::vector<TContextMenuOption> TOptionStore::ReadOptionList()
{
    std::vector<TContextMenuOption> options;
    const int count = GetOptionCount();
    for (int position = 1; position <= count; ++position)
        if (std::optional<TContextMenuOption> option = ReadOption(position)) options.push_back(std::move(*option));
    return options;
}

bool TOptionStore::ReplaceOptionList(const std::vector<TContextMenuOption>& options)
{
    const int oldCount = GetOptionCount();
    const int newCount = static_cast<int>(options.size());
    bool ok = SetOptionCount(newCount);
    for (int position = 1; position <= newCount; ++position)
        ok = WriteOption(position, options[position - 1]) && ok;
    for (int position = newCount + 1; position <= oldCount; ++position) DeleteOption(position);
    return ok;
}

std::string TOptionStore::GetPascalExtensions()
{
    EnsureDefaultOptions();
    return backend_.ReadString(StoreNames::PascalExtensions, StoreNames::DefaultPascalExtensions);
}

bool TOptionStore::SetPascalExtensions(const std::string& text)
{
    return backend_.WriteString(StoreNames::PascalExtensions, Trim(text));
}

std::string TOptionStore::GetFileNameSep()
{
    EnsureDefaultOptions();
    const std::string sep = backend_.ReadString(StoreNames::FileNameSep, StoreNames::DefaultFileNameSep);
    return sep.empty() ? StoreNames::DefaultFileNameSep : sep;
}

bool TOptionStore::SetFileNameSep(const std::string& text)
{
    return backend_.WriteString(StoreNames::FileNameSep, Trim(text));
}

void TOptionStore::LoadIndicatorsLocked()
{
    EnsureDefaultsLocked();
    std::string text = backend_.ReadString(StoreNames::Indicators, "");
    if (text.size() < kIndicatorCount) {
        text.resize(kIndicatorCount, '0');
        backend_.WriteString(StoreNames::Indicators, text);
    }
    indicatorText_ = text;
}

bool TOptionStore::GetIndicator(TIndicator indicator)
{
    std::lock_guard<std::mutex> lock(mutex_);
    LoadIndicatorsLocked();
    return (*indicatorText_)[static_cast<std::size_t>(indicator)] != '0';
}

bool TOptionStore::SetIndicator(TIndicator indicator, bool on)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!indicatorText_) LoadIndicatorsLocked();
    (*indicatorText_)[static_cast<std::size_t>(indicator)] = on ? '1' : '0';
    return backend_.WriteString(StoreNames::Indicators, *indicatorText_);
}

bool TOptionStore::ClearSettings()
{
    return backend_.DeleteKey();
}
