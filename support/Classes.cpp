#include "support/Classes.h"

#include <algorithm>

#include "support/Errors.h"

std::int32_t GrowthDelta(std::int32_t capacity) noexcept
{
    if (capacity > 64) return capacity / 4;
    if (capacity > 8) return 16;
    return 4;
}

namespace {

// The next capacity of a full array, never past the largest list.
std::int32_t GrownCapacity(std::int32_t capacity) noexcept
{
    const std::int64_t grown = static_cast<std::int64_t>(capacity) + GrowthDelta(capacity);
    return capacity < MaxListSize && grown > MaxListSize ? MaxListSize : static_cast<std::int32_t>(grown);
}

char LowerAscii(char c) noexcept
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsBlankOrControl(char c) noexcept
{
    return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

// --- TList -----------------------------------------------------------------

TList::~TList()
{
    Clear();
}

void TList::Error(const char* message, std::int32_t data) const
{
    throw EListError(FormatMessageText(message, data));
}

void TList::CheckIndex(std::int32_t index) const
{
    if (index < 0 || index >= Count()) Error(SupportText::kListIndexError, index);
}

void TList::Notify(void*, TListNotification) {}

void TList::Grow()
{
    SetCapacity(GrownCapacity(capacity_));
}

void TList::SetCapacity(std::int32_t capacity)
{
    if (capacity < Count() || capacity > MaxListSize) Error(SupportText::kListCapacityError, capacity);
    if (capacity == capacity_) return;
    if (capacity < capacity_) {
        items_.shrink_to_fit();
    } else {
        items_.reserve(static_cast<std::size_t>(capacity));
    }
    capacity_ = capacity;
}

void TList::SetCount(std::int32_t count)
{
    if (count < 0 || count > MaxListSize) Error(SupportText::kListCountError, count);
    if (count > capacity_) SetCapacity(count);
    if (count > Count()) {
        items_.resize(static_cast<std::size_t>(count), nullptr);
    } else {
        for (std::int32_t i = Count() - 1; i >= count; --i) Delete(i);
    }
}

std::int32_t TList::Add(void* item)
{
    const std::int32_t index = Count();
    if (index == capacity_) Grow();
    items_.push_back(item);
    if (item) Notify(item, lnAdded);
    return index;
}

void TList::Insert(std::int32_t index, void* item)
{
    if (index < 0 || index > Count()) Error(SupportText::kListIndexError, index);
    if (Count() == capacity_) Grow();
    items_.insert(items_.begin() + index, item);
    if (item) Notify(item, lnAdded);
}

void TList::Delete(std::int32_t index)
{
    CheckIndex(index);
    void* item = items_[static_cast<std::size_t>(index)];
    items_.erase(items_.begin() + index);
    if (item) Notify(item, lnDeleted);
}

std::int32_t TList::Remove(void* item)
{
    const std::int32_t index = IndexOf(item);
    if (index >= 0) Delete(index);
    return index;
}

std::int32_t TList::IndexOf(void* item) const
{
    const auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : static_cast<std::int32_t>(found - items_.begin());
}

void TList::Exchange(std::int32_t index1, std::int32_t index2)
{
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(items_[static_cast<std::size_t>(index1)], items_[static_cast<std::size_t>(index2)]);
}

void TList::Move(std::int32_t curIndex, std::int32_t newIndex)
{
    if (curIndex == newIndex) return;
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    void* item = items_[static_cast<std::size_t>(curIndex)];
    items_.erase(items_.begin() + curIndex);
    items_.insert(items_.begin() + newIndex, item);
}

void* TList::Get(std::int32_t index) const
{
    CheckIndex(index);
    return items_[static_cast<std::size_t>(index)];
}

void TList::Put(std::int32_t index, void* item)
{
    CheckIndex(index);
    void*& slot = items_[static_cast<std::size_t>(index)];
    if (item == slot) return;
    void* old = std::exchange(slot, item);
    if (old) Notify(old, lnDeleted);
    if (item) Notify(item, lnAdded);
}

void TList::Clear()
{
    SetCount(0);
    SetCapacity(0);
}

// --- TStrings --------------------------------------------------------------

int TStrings::CompareStrings(const std::string& a, const std::string& b) const
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(LowerAscii(a[i]));
        const auto cb = static_cast<unsigned char>(LowerAscii(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::int32_t TStrings::Add(const std::string& text)
{
    const std::int32_t index = Count();
    Insert(index, text);
    return index;
}

std::int32_t TStrings::AddObject(const std::string& text, void* object)
{
    const std::int32_t index = Add(text);
    PutObject(index, object);
    return index;
}

std::int32_t TStrings::IndexOf(const std::string& text) const
{
    for (std::int32_t i = 0; i < Count(); ++i)
        if (CompareStrings(Get(i), text) == 0) return i;
    return -1;
}

void TStrings::BeginUpdate()
{
    if (updateCount_++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}

std::string TStrings::GetCommaText() const
{
    constexpr char delimiter = ',';
    constexpr char quote = '"';
    const std::int32_t count = Count();
    if (count == 1 && Get(0).empty()) return std::string(2, quote);

    std::string result;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::string item = Get(i);
        const bool needsQuotes = std::any_of(item.begin(), item.end(), [](char c) {
            return IsBlankOrControl(c) || c == quote || c == delimiter;
        });
        if (i > 0) result += delimiter;
        if (!needsQuotes) {
            result += item;
            continue;
        }
        result += quote;
        for (char c : item) {
            if (c == quote) result += quote;
            result += c;
        }
        result += quote;
    }
    return result;
}

namespace {

// Reads a quoted item starting at the opening quote; a doubled quote stands
// for one, and an item without its closing quote runs to the end.
std::string ExtractQuoted(const std::string& text, std::size_t& at, char quote)
{
    std::string item;
    ++at;
    while (at < text.size()) {
        if (text[at] == quote) {
            if (at + 1 < text.size() && text[at + 1] == quote) {
                item += quote;
                at += 2;
                continue;
            }
            ++at;
            break;
        }
        item += text[at++];
    }
    return item;
}

void SkipBlanks(const std::string& text, std::size_t& at)
{
    while (at < text.size() && IsBlankOrControl(text[at])) ++at;
}

}  // namespace

void TStrings::SetCommaText(const std::string& value)
{
    delimiter_ = ',';
    quoteChar_ = '"';
    // A NUL ends the text, as it does for the system's own strings.
    const std::string text = value.substr(0, value.find('\0'));

    BeginUpdate();
    try {
        Clear();
        std::size_t at = 0;
        SkipBlanks(text, at);
        while (at < text.size()) {
            if (text[at] == quoteChar_) {
                Add(ExtractQuoted(text, at, quoteChar_));
            } else {
                const std::size_t start = at;
                while (at < text.size() && !IsBlankOrControl(text[at]) && text[at] != delimiter_) ++at;
                Add(text.substr(start, at - start));
            }
            SkipBlanks(text, at);
            if (at < text.size() && text[at] == delimiter_) {
                if (at + 1 == text.size()) Add(std::string());
                ++at;
                SkipBlanks(text, at);
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

// --- TStringList -----------------------------------------------------------

void TStringList::CheckIndex(std::int32_t index) const
{
    if (index < 0 || index >= Count())
        throw EStringListError(FormatMessageText(SupportText::kListIndexError, index));
}

void TStringList::CheckNotSorted() const
{
    if (sorted_) throw EStringListError(SupportText::kSortedListError);
}

std::string TStringList::Get(std::int32_t index) const
{
    CheckIndex(index);
    return items_[static_cast<std::size_t>(index)].first;
}

void TStringList::Put(std::int32_t index, const std::string& text)
{
    CheckNotSorted();
    CheckIndex(index);
    items_[static_cast<std::size_t>(index)].first = text;
}

void* TStringList::GetObject(std::int32_t index) const
{
    CheckIndex(index);
    return items_[static_cast<std::size_t>(index)].second;
}

void TStringList::PutObject(std::int32_t index, void* object)
{
    CheckIndex(index);
    items_[static_cast<std::size_t>(index)].second = object;
}

void TStringList::SetCapacity(std::int32_t capacity)
{
    if (capacity < Count() || capacity > MaxListSize)
        throw EListError(FormatMessageText(SupportText::kListCapacityError, capacity));
    if (capacity < capacity_) {
        items_.shrink_to_fit();
    } else {
        items_.reserve(static_cast<std::size_t>(capacity));
    }
    capacity_ = capacity;
}

void TStringList::InsertItem(std::int32_t index, const std::string& text, void* object)
{
    if (Count() == capacity_) SetCapacity(GrownCapacity(capacity_));
    items_.insert(items_.begin() + index, {text, object});
}

void TStringList::Insert(std::int32_t index, const std::string& text)
{
    CheckNotSorted();
    if (index < 0 || index > Count())
        throw EStringListError(FormatMessageText(SupportText::kListIndexError, index));
    InsertItem(index, text, nullptr);
}

std::int32_t TStringList::Add(const std::string& text)
{
    std::int32_t index = Count();
    if (sorted_ && Find(text, index)) {
        if (duplicates_ == dupIgnore) return index;
        if (duplicates_ == dupError) throw EStringListError(SupportText::kDuplicateString);
    }
    InsertItem(index, text, nullptr);
    return index;
}

void TStringList::Delete(std::int32_t index)
{
    CheckIndex(index);
    items_.erase(items_.begin() + index);
}

void TStringList::Clear()
{
    items_.clear();
    SetCapacity(0);
}

void TStringList::Exchange(std::int32_t index1, std::int32_t index2)
{
    CheckNotSorted();
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(items_[static_cast<std::size_t>(index1)], items_[static_cast<std::size_t>(index2)]);
}

bool TStringList::Find(const std::string& text, std::int32_t& index) const
{
    bool found = false;
    std::int32_t low = 0;
    std::int32_t high = Count() - 1;
    while (low <= high) {
        const std::int32_t middle = low + (high - low) / 2;
        const int order = CompareStrings(items_[static_cast<std::size_t>(middle)].first, text);
        if (order < 0) {
            low = middle + 1;
        } else {
            // Going on to the left ends at the first equal text.
            high = middle - 1;
            if (order == 0) found = true;
        }
    }
    index = low;
    return found;
}

std::int32_t TStringList::IndexOf(const std::string& text) const
{
    if (!sorted_) return TStrings::IndexOf(text);
    std::int32_t index = -1;
    return Find(text, index) ? index : -1;
}

void TStringList::Sort()
{
    std::stable_sort(items_.begin(), items_.end(), [this](const auto& a, const auto& b) {
        return CompareStrings(a.first, b.first) < 0;
    });
}

void TStringList::SetSorted(bool sorted)
{
    if (sorted && !sorted_) Sort();
    sorted_ = sorted;
}
