// The ordered pointer list and the string lists that both deliverables carry.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// What happened to an item, as TList::Notify reports it.
enum TListNotification : std::int32_t { lnAdded = 0, lnExtracted = 1, lnDeleted = 2 };

enum TDuplicates : std::int32_t { dupIgnore = 0, dupAccept = 1, dupError = 2 };

inline constexpr std::int32_t MaxListSize = 134217727;

// Capacity growth when an entry is added to a full array: a quarter above 64,
// 16 from 9 to 64, 4 below.
std::int32_t GrowthDelta(std::int32_t capacity) noexcept;

// An ordered list of pointers that it does not own. A subclass that owns its
// items frees them in Notify(item, lnDeleted) and calls Clear in its own
// destructor (a base destructor cannot reach the subclass's Notify).
class TList {
public:
    TList() = default;
    virtual ~TList();
    TList(const TList&) = delete;
    TList& operator=(const TList&) = delete;

    std::int32_t Add(void* item);
    void Insert(std::int32_t index, void* item);
    void Delete(std::int32_t index);
    std::int32_t Remove(void* item);
    std::int32_t IndexOf(void* item) const;
    void Exchange(std::int32_t index1, std::int32_t index2);
    void Move(std::int32_t curIndex, std::int32_t newIndex);

    void* Get(std::int32_t index) const;
    void Put(std::int32_t index, void* item);
    void* operator[](std::int32_t index) const { return Get(index); }

    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(items_.size()); }
    void SetCount(std::int32_t count);
    std::int32_t Capacity() const noexcept { return capacity_; }
    void SetCapacity(std::int32_t capacity);

    // Deletes the entries from the last to the first, then drops the capacity.
    virtual void Clear();

protected:
    virtual void Grow();
    virtual void Notify(void* item, TListNotification action);
    [[noreturn]] virtual void Error(const char* message, std::int32_t data) const;

private:
    void CheckIndex(std::int32_t index) const;
    std::vector<void*> items_;
    std::int32_t capacity_ = 0;
};

class TPersistent {
public:
    virtual ~TPersistent() = default;
};

// A list of texts with an object pointer each. Comparisons ignore the case of letters.
class TStrings : public TPersistent {
public:
    virtual std::int32_t Count() const = 0;
    virtual std::string Get(std::int32_t index) const = 0;
    virtual void Put(std::int32_t index, const std::string& text) = 0;
    virtual void* GetObject(std::int32_t index) const = 0;
    virtual void PutObject(std::int32_t index, void* object) = 0;
    virtual void Insert(std::int32_t index, const std::string& text) = 0;
    virtual void Delete(std::int32_t index) = 0;
    virtual void Clear() = 0;

    virtual std::int32_t Add(const std::string& text);
    std::int32_t AddObject(const std::string& text, void* object);
    virtual std::int32_t IndexOf(const std::string& text) const;
    std::string operator[](std::int32_t index) const { return Get(index); }

    // The comma text always uses "," and a double quote, whatever the
    // delimiter and quote character are; SetCommaText sets both back to those.
    std::string GetCommaText() const;
    void SetCommaText(const std::string& text);

    char Delimiter() const noexcept { return delimiter_; }
    void SetDelimiter(char delimiter) noexcept { delimiter_ = delimiter; }
    char QuoteChar() const noexcept { return quoteChar_; }
    void SetQuoteChar(char quoteChar) noexcept { quoteChar_ = quoteChar; }

    void BeginUpdate();
    void EndUpdate();
    std::int32_t UpdateCount() const noexcept { return updateCount_; }

protected:
    // Case-insensitive order of two texts: negative, 0 or positive.
    virtual int CompareStrings(const std::string& a, const std::string& b) const;
    // Called when updating starts (true) and when the outermost update ends (false).
    virtual void SetUpdateState(bool) {}

private:
    char delimiter_ = ',';
    char quoteChar_ = '"';
    std::int32_t updateCount_ = 0;
};

class TStringList : public TStrings {
public:
    std::int32_t Count() const override { return static_cast<std::int32_t>(items_.size()); }
    std::string Get(std::int32_t index) const override;
    void Put(std::int32_t index, const std::string& text) override;
    void* GetObject(std::int32_t index) const override;
    void PutObject(std::int32_t index, void* object) override;
    void Insert(std::int32_t index, const std::string& text) override;
    void Delete(std::int32_t index) override;
    void Clear() override;
    std::int32_t Add(const std::string& text) override;
    std::int32_t IndexOf(const std::string& text) const override;

    void Exchange(std::int32_t index1, std::int32_t index2);
    // Binary search over the case-insensitive order: true when an equal text
    // exists; index is the first equal text or where the text would go.
    bool Find(const std::string& text, std::int32_t& index) const;
    void Sort();

    bool Sorted() const noexcept { return sorted_; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const noexcept { return duplicates_; }
    void SetDuplicates(TDuplicates duplicates) noexcept { duplicates_ = duplicates; }

    std::int32_t Capacity() const noexcept { return capacity_; }
    void SetCapacity(std::int32_t capacity);

private:
    void CheckIndex(std::int32_t index) const;
    void CheckNotSorted() const;
    void InsertItem(std::int32_t index, const std::string& text, void* object);

    std::vector<std::pair<std::string, void*>> items_;
    std::int32_t capacity_ = 0;
    bool sorted_ = false;
    TDuplicates duplicates_ = dupIgnore;
};
