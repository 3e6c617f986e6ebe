#include "config/OptionStore.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <thread>

#include "config/MemoryStoreBackend.h"
#include "config/OptionText.h"

namespace {

using Values = TMemoryStoreBackend::Values;

const Values kDefaultEntries = {
    {"OptionCount", "9"},
    {"Indicators", "0001"},
    {"Option1", "Analyse Pascal source code,,1,010"},
    {"Option2", "Explore in a new window,,2,110"},
    {"Option3", "Copy the full path,,3,010"},
    {"Option4", "Edit with Wordpad,,4,110"},
    {"Option5", "Edit with Notepad,,5,110"},
    {"Option6", "Open a Command Prompt,,6,110"},
    {"Option7", "Set file attributes,,7,010"},
    {"Option8", "Set file date and time,,8,011"},
    {"Option9", "KestrixShell preferences,,9,110"},
};

TContextMenuOption UserOption(const char* caption)
{
    TContextMenuOption option;
    option.Caption = caption;
    option.Program = "notepad.exe";
    option.Icon = true;
    return option;
}

class OptionStoreTest : public ::testing::Test {
protected:
    void Store(Values values)
    {
        backend_ = TMemoryStoreBackend(std::move(values));
    }
    std::string Stored(const std::string& name) const
    {
        return backend_.ReadString(name, "<absent>");
    }

    TMemoryStoreBackend backend_;
    TOptionStore store_{backend_};
};

}  // namespace

TEST_F(OptionStoreTest, AnEmptyKeyReceivesExactlyTheDefaultList)
{
    EXPECT_EQ(store_.GetOptionCount(), 9);
    EXPECT_EQ(backend_.StoredValues(), kDefaultEntries);
}

TEST_F(OptionStoreTest, ACountThatIsNotANumberCountsAsAbsent)
{
    for (const char* count : {"abc", "-1", "", "9x"}) {
        SCOPED_TRACE(count);
        backend_ = TMemoryStoreBackend({{"OptionCount", count}, {"Option1", "Mine,,0,000"}, {"Indicators", "1111"}});
        TOptionStore store(backend_);
        EXPECT_EQ(store.GetOptionCount(), 9);
        // The defaults are written over what was there.
        EXPECT_EQ(backend_.StoredValues(), kDefaultEntries);
    }
}

TEST_F(OptionStoreTest, AStoredCountKeepsTheListAsItIs)
{
    for (const char* count : {"0", "2", "-2"}) {
        SCOPED_TRACE(count);
        const Values stored = {{"OptionCount", count}, {"Option1", "Mine,,0,000"}};
        backend_ = TMemoryStoreBackend(stored);
        TOptionStore store(backend_);
        EXPECT_EQ(store.GetOptionCount(), std::stoi(count));
        EXPECT_EQ(backend_.StoredValues(), stored);
    }
}

TEST_F(OptionStoreTest, TheCheckIsMadeOncePerStore)
{
    EXPECT_EQ(store_.GetOptionCount(), 9);
    // Another process clears the key: this one does not write the defaults again.
    ASSERT_TRUE(backend_.DeleteKey());
    EXPECT_EQ(store_.GetOptionCount(), 0);
    EXPECT_EQ(store_.GetPascalExtensions(), ".dpr,.pas");
    EXPECT_FALSE(backend_.KeyExists());

    // A new process (a new store) does.
    TOptionStore next(backend_);
    EXPECT_EQ(next.GetOptionCount(), 9);
}

TEST_F(OptionStoreTest, EveryGetterMakesTheCheckFirst)
{
    struct Case {
        const char* what;
        std::function<void(TOptionStore&)> get;
    };
    const Case cases[] = {
        {"count", [](TOptionStore& s) { s.GetOptionCount(); }},
        {"extensions", [](TOptionStore& s) { s.GetPascalExtensions(); }},
        {"separator", [](TOptionStore& s) { s.GetFileNameSep(); }},
        {"indicator", [](TOptionStore& s) { s.GetIndicator(TIndicator::ShowIcon); }},
        {"list", [](TOptionStore& s) { s.ReadOptionList(); }},
        {"explicit", [](TOptionStore& s) { s.EnsureDefaultOptions(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        backend_ = TMemoryStoreBackend();
        TOptionStore store(backend_);
        c.get(store);
        EXPECT_EQ(Stored("OptionCount"), "9");
        EXPECT_EQ(Stored("Option9"), "KestrixShell preferences,,9,110");
    }
}

TEST_F(OptionStoreTest, ReadOptionSkipsWhatIsAbsentEmptyOrMalformed)
{
    Store({{"OptionCount", "6"},
           {"Option1", "Run,notepad.exe,0,1Y0"},
           {"Option2", ""},
           {"Option3", "Copy,x"},
           {"Option4", "Copy,,3,01"},
           {"Option6", "X,,257,000"}});

    const std::optional<TContextMenuOption> run = store_.ReadOption(1);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->Caption, "Run");
    EXPECT_EQ(run->Program, "notepad.exe");
    EXPECT_EQ(run->OptionType, 0);
    EXPECT_TRUE(run->Icon);
    EXPECT_TRUE(run->Submenu);
    EXPECT_FALSE(run->Separator);

    EXPECT_FALSE(store_.ReadOption(2));
    EXPECT_FALSE(store_.ReadOption(3));
    EXPECT_FALSE(store_.ReadOption(4));
    EXPECT_FALSE(store_.ReadOption(5));
    ASSERT_TRUE(store_.ReadOption(6));
    EXPECT_EQ(store_.ReadOption(6)->OptionType, 1);

    const std::vector<TContextMenuOption> list = store_.ReadOptionList();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Caption, "Run");
    EXPECT_EQ(list[1].Caption, "X");
}

TEST_F(OptionStoreTest, WriteAndDeleteOptionUseThePositionInTheName)
{
    EXPECT_TRUE(store_.WriteOption(12, UserOption("Mine")));
    EXPECT_EQ(Stored("Option12"), "Mine,notepad.exe,0,100");
    EXPECT_EQ(store_.ReadOption(12), UserOption("Mine"));
    EXPECT_TRUE(store_.DeleteOption(12));
    EXPECT_EQ(Stored("Option12"), "<absent>");
    EXPECT_FALSE(store_.DeleteOption(12));
    EXPECT_TRUE(store_.SetOptionCount(12));
    EXPECT_EQ(Stored("OptionCount"), "12");
}

TEST_F(OptionStoreTest, ReplacingTheListDeletesThePositionsItNoLongerHas)
{
    ASSERT_EQ(store_.GetOptionCount(), 9);
    EXPECT_TRUE(store_.ReplaceOptionList({UserOption("One"), UserOption("Two")}));

    EXPECT_EQ(Stored("OptionCount"), "2");
    EXPECT_EQ(Stored("Option1"), "One,notepad.exe,0,100");
    EXPECT_EQ(Stored("Option2"), "Two,notepad.exe,0,100");
    for (int position = 3; position <= 9; ++position) EXPECT_EQ(Stored("Option" + std::to_string(position)), "<absent>");

    EXPECT_TRUE(store_.ReplaceOptionList({UserOption("A"), UserOption("B"), UserOption("C")}));
    EXPECT_EQ(store_.ReadOptionList().size(), 3u);
    EXPECT_EQ(Stored("Option3"), "C,notepad.exe,0,100");
}

TEST_F(OptionStoreTest, PascalExtensionsDefaultButAStoredEmptyTextStaysEmpty)
{
    struct Case {
        const char* what;
        std::optional<std::string> stored;
        const char* expected;
    };
    const Case cases[] = {
        {"absent", std::nullopt, ".dpr,.pas"},
        {"empty", std::string(), ""},
        {"stored", std::string(".pas,.inc"), ".pas,.inc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Values values = {{"OptionCount", "0"}};
        if (c.stored) values["PascalExtensions"] = *c.stored;
        backend_ = TMemoryStoreBackend(values);
        TOptionStore store(backend_);
        EXPECT_EQ(store.GetPascalExtensions(), c.expected);
    }
}

TEST_F(OptionStoreTest, FileNameSepIsOneBlankWhenAbsentOrEmpty)
{
    struct Case {
        const char* what;
        std::optional<std::string> stored;
        const char* expected;
    };
    const Case cases[] = {
        {"absent", std::nullopt, " "},
        {"empty", std::string(), " "},
        {"comma", std::string(","), ","},
        {"kept as stored", std::string(" ; "), " ; "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Values values = {{"OptionCount", "0"}};
        if (c.stored) values["FileNameSep"] = *c.stored;
        backend_ = TMemoryStoreBackend(values);
        TOptionStore store(backend_);
        EXPECT_EQ(store.GetFileNameSep(), c.expected);
    }
}

TEST_F(OptionStoreTest, SettersTrimBlanksAndControlCharacters)
{
    struct Case {
        const char* given;
        const char* stored;
    };
    const Case cases[] = {
        {"  .dpr,.pas \t\r\n", ".dpr,.pas"},
        {"\x01.pas\x1f", ".pas"},
        {" a b ", "a b"},
        {" ", ""},
        {"", ""},
        {"\xe9t\xe9", "\xe9t\xe9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        EXPECT_TRUE(store_.SetPascalExtensions(c.given));
        EXPECT_EQ(Stored("PascalExtensions"), c.stored);
        EXPECT_TRUE(store_.SetFileNameSep(c.given));
        EXPECT_EQ(Stored("FileNameSep"), c.stored);
    }
    // A single blank is stored empty and reads back as the default blank.
    store_.SetFileNameSep(" ");
    EXPECT_EQ(store_.GetFileNameSep(), " ");
}

TEST_F(OptionStoreTest, ShortIndicatorTextsArePaddedAndWrittenBack)
{
    struct Case {
        const char* what;
        std::optional<std::string> stored;
        const char* after;
        bool flags[4];
    };
    const Case cases[] = {
        {"one character", std::string("1"), "1000", {true, false, false, false}},
        {"absent", std::nullopt, "0000", {false, false, false, false}},
        {"empty", std::string(), "0000", {false, false, false, false}},
        {"anything but 0 is on", std::string("0x1 "), "0x1 ", {false, true, true, true}},
        {"longer texts are kept", std::string("000110"), "000110", {false, false, false, true}},
    };
    const TIndicator all[] = {TIndicator::PlainMenus, TIndicator::SepBefore, TIndicator::SepAfter,
                              TIndicator::ShowIcon};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Values values = {{"OptionCount", "9"}};
        if (c.stored) values["Indicators"] = *c.stored;
        backend_ = TMemoryStoreBackend(values);
        TOptionStore store(backend_);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(store.GetIndicator(all[i]), c.flags[i]) << i;
        EXPECT_EQ(Stored("Indicators"), c.after);
    }
}

TEST_F(OptionStoreTest, IndicatorsAreReadAfreshOnEveryCall)
{
    Store({{"OptionCount", "9"}, {"Indicators", "0000"}});
    EXPECT_FALSE(store_.GetIndicator(TIndicator::PlainMenus));
    backend_.WriteString("Indicators", "1000");
    EXPECT_TRUE(store_.GetIndicator(TIndicator::PlainMenus));
}

TEST_F(OptionStoreTest, SetIndicatorChangesOnePositionOfTheTextLastRead)
{
    Store({{"OptionCount", "9"}, {"Indicators", "1"}});
    EXPECT_TRUE(store_.GetIndicator(TIndicator::PlainMenus));
    EXPECT_TRUE(store_.SetIndicator(TIndicator::SepAfter, true));
    EXPECT_EQ(Stored("Indicators"), "1010");
    EXPECT_TRUE(store_.SetIndicator(TIndicator::PlainMenus, false));
    EXPECT_EQ(Stored("Indicators"), "0010");

    // Works on what was last read, not on what another process wrote since.
    backend_.WriteString("Indicators", "1111");
    EXPECT_TRUE(store_.SetIndicator(TIndicator::ShowIcon, true));
    EXPECT_EQ(Stored("Indicators"), "0011");
}

TEST_F(OptionStoreTest, SetIndicatorBeforeAnyReadStartsFromTheStoredText)
{
    Store({{"OptionCount", "9"}, {"Indicators", "11"}});
    EXPECT_TRUE(store_.SetIndicator(TIndicator::SepAfter, true));
    EXPECT_EQ(Stored("Indicators"), "1110");
}

TEST_F(OptionStoreTest, SetIndicatorAfterTheDefaultsStartsFromTheirText)
{
    EXPECT_EQ(store_.GetOptionCount(), 9);
    backend_.WriteString("Indicators", "1111");
    EXPECT_TRUE(store_.SetIndicator(TIndicator::PlainMenus, true));
    EXPECT_EQ(Stored("Indicators"), "1001");
}

TEST_F(OptionStoreTest, IndicatorsAbsentAfterTheDefaultsReadAsOff)
{
    EXPECT_EQ(store_.GetOptionCount(), 9);
    backend_.DeleteValue("Indicators");
    EXPECT_FALSE(store_.GetIndicator(TIndicator::ShowIcon));
    EXPECT_EQ(Stored("Indicators"), "0000");
}

TEST_F(OptionStoreTest, ClearSettingsRemovesTheKey)
{
    EXPECT_EQ(store_.GetOptionCount(), 9);
    EXPECT_TRUE(store_.ClearSettings());
    EXPECT_FALSE(backend_.KeyExists());
    EXPECT_TRUE(backend_.StoredValues().empty());
    EXPECT_FALSE(store_.ClearSettings());
}

TEST_F(OptionStoreTest, WritersReportAKeyThatCannotBeWritten)
{
    Store({{"OptionCount", "1"}, {"Option1", "Mine,,0,000"}, {"Indicators", "0001"}});
    backend_.SetReadOnly(true);
    EXPECT_FALSE(store_.SetOptionCount(3));
    EXPECT_FALSE(store_.WriteOption(1, UserOption("Other")));
    EXPECT_FALSE(store_.DeleteOption(1));
    EXPECT_FALSE(store_.SetPascalExtensions(".pas"));
    EXPECT_FALSE(store_.SetFileNameSep(","));
    EXPECT_FALSE(store_.SetIndicator(TIndicator::PlainMenus, true));
    EXPECT_FALSE(store_.ReplaceOptionList({UserOption("A")}));
    EXPECT_FALSE(store_.ClearSettings());
    // Readers go on with what is stored.
    EXPECT_EQ(store_.GetOptionCount(), 1);
    EXPECT_EQ(store_.ReadOption(1)->Caption, "Mine");
}

TEST_F(OptionStoreTest, AStoreWithoutWritableKeyStillAnswersWithDefaults)
{
    backend_.SetReadOnly(true);
    EXPECT_EQ(store_.GetOptionCount(), 0);
    EXPECT_EQ(store_.GetPascalExtensions(), ".dpr,.pas");
    EXPECT_EQ(store_.GetFileNameSep(), " ");
    EXPECT_FALSE(store_.GetIndicator(TIndicator::ShowIcon));
    EXPECT_TRUE(store_.ReadOptionList().empty());
}

namespace {

// A backend that counts the writes of each value; safe on several threads.
class CountingBackend : public TStoreBackend {
public:
    std::string ReadString(const std::string& name, const std::string& defaultValue) const override
    {
        std::lock_guard<std::mutex> lock(mutex_);
        // Widen the window between the check and the writes.
        std::this_thread::yield();
        return inner_.ReadString(name, defaultValue);
    }
    bool WriteString(const std::string& name, const std::string& value) override
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++writes_[name];
        return inner_.WriteString(name, value);
    }
    bool DeleteValue(const std::string& name) override
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return inner_.DeleteValue(name);
    }
    bool DeleteKey() override
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return inner_.DeleteKey();
    }
    int Writes(const std::string& name) const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto found = writes_.find(name);
        return found == writes_.end() ? 0 : found->second;
    }

private:
    mutable std::mutex mutex_;
    TMemoryStoreBackend inner_;
    std::map<std::string, int> writes_;
};

}  // namespace

TEST(OptionStoreThreads, HandlersOnSeveralThreadsWriteTheDefaultsOnceAndAllSeeThem)
{
    for (int round = 0; round < 20; ++round) {
        CountingBackend backend;
        TOptionStore store(backend);
        std::vector<int> counts(8, -1);
        std::vector<bool> icons(8, false);
        std::vector<std::thread> threads;
        for (std::size_t i = 0; i < counts.size(); ++i)
            threads.emplace_back([&, i] {
                counts[i] = store.GetOptionCount();
                icons[i] = store.GetIndicator(TIndicator::ShowIcon);
            });
        for (std::thread& t : threads) t.join();

        for (std::size_t i = 0; i < counts.size(); ++i) {
            EXPECT_EQ(counts[i], 9) << "round " << round << " thread " << i;
            EXPECT_TRUE(icons[i]) << "round " << round << " thread " << i;
        }
        EXPECT_EQ(backend.Writes("OptionCount"), 1) << "round " << round;
        EXPECT_EQ(backend.Writes("Option1"), 1) << "round " << round;
        EXPECT_EQ(backend.Writes("Indicators"), 1) << "round " << round;
    }
}
