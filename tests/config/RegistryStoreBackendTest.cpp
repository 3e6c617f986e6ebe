#include "config/RegistryStoreBackend.h"

#include <gtest/gtest.h>

#include <map>

#include "config/OptionStore.h"
#include "tests/support/WinTestSupport.h"

using wintest::TestKey;

namespace {

struct StoredValue {
    DWORD Type;
    std::string Text;
    friend bool operator==(const StoredValue& a, const StoredValue& b) { return a.Type == b.Type && a.Text == b.Text; }
};

// Every value of the key as the registry holds it.
std::map<std::string, StoredValue> AllValues(const std::string& keyName)
{
    std::map<std::string, StoredValue> values;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyName.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameLength = sizeof name;
        BYTE data[1024];
        DWORD dataSize = sizeof data;
        DWORD type = 0;
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) break;
        values[std::string(name, nameLength)] = {type, std::string(reinterpret_cast<const char*>(data),
                                                                   dataSize > 0 ? dataSize - 1 : 0)};
    }
    RegCloseKey(key);
    return values;
}

const std::map<std::string, StoredValue> kDefaultEntries = {
    {"OptionCount", {REG_SZ, "9"}},
    {"Indicators", {REG_SZ, "0001"}},
    {"Option1", {REG_SZ, "Analyse Pascal source code,,1,010"}},
    {"Option2", {REG_SZ, "Explore in a new window,,2,110"}},
    {"Option3", {REG_SZ, "Copy the full path,,3,010"}},
    {"Option4", {REG_SZ, "Edit with Wordpad,,4,110"}},
    {"Option5", {REG_SZ, "Edit with Notepad,,5,110"}},
    {"Option6", {REG_SZ, "Open a Command Prompt,,6,110"}},
    {"Option7", {REG_SZ, "Set file attributes,,7,010"}},
    {"Option8", {REG_SZ, "Set file date and time,,8,011"}},
    {"Option9", {REG_SZ, "KestrixShell preferences,,9,110"}},
};

class RegistryStoreTest : public ::testing::Test {
protected:
    TestKey key_{"store"};
    TRegistryStoreBackend backend_{HKEY_CURRENT_USER, key_.Name()};
    TOptionStore store_{backend_};
};

}  // namespace

TEST_F(RegistryStoreTest, AnEmptyKeyReceivesExactlyTheNineDefaultEntries)
{
    ASSERT_FALSE(key_.Exists());
    EXPECT_EQ(store_.GetOptionCount(), 9);
    EXPECT_EQ(AllValues(key_.Name()), kDefaultEntries);

    const std::vector<TContextMenuOption> options = store_.ReadOptionList();
    ASSERT_EQ(options.size(), 9u);
    EXPECT_EQ(options[7].Caption, "Set file date and time");
    EXPECT_TRUE(options[7].Separator);
    EXPECT_TRUE(store_.GetIndicator(TIndicator::ShowIcon));
    EXPECT_FALSE(store_.GetIndicator(TIndicator::PlainMenus));
}

TEST_F(RegistryStoreTest, ACountThatIsNotADecimalTextCountsAsAbsent)
{
    key_.SetString("OptionCount", "abc");
    key_.SetString("Option1", "Mine,,0,000");
    EXPECT_EQ(store_.GetOptionCount(), 9);
    EXPECT_EQ(AllValues(key_.Name()), kDefaultEntries);
}

TEST_F(RegistryStoreTest, ACountStoredAsANumberValueCountsAsAbsent)
{
    const DWORD two = 2;
    key_.SetRaw("OptionCount", REG_DWORD, &two, sizeof two);
    EXPECT_EQ(store_.GetOptionCount(), 9);
    EXPECT_EQ(AllValues(key_.Name()), kDefaultEntries);
}

TEST_F(RegistryStoreTest, MalformedOptionsAreSkippedAndTheOthersKeepTheirOrder)
{
    key_.SetString("OptionCount", "5");
    key_.SetString("Option1", "Run,notepad.exe,0,1Y0");
    key_.SetString("Option2", "Copy,x");
    key_.SetString("Option3", "Copy,,3,01");
    key_.SetString("Option4", "X,,257,000");
    const DWORD number = 1;
    key_.SetRaw("Option5", REG_DWORD, &number, sizeof number);

    EXPECT_FALSE(store_.ReadOption(2));
    EXPECT_FALSE(store_.ReadOption(3));
    EXPECT_FALSE(store_.ReadOption(5));
    const std::vector<TContextMenuOption> options = store_.ReadOptionList();
    ASSERT_EQ(options.size(), 2u);
    EXPECT_EQ(options[0].Caption, "Run");
    EXPECT_TRUE(options[0].Icon);
    EXPECT_TRUE(options[0].Submenu);
    EXPECT_FALSE(options[0].Separator);
    EXPECT_EQ(options[1].Caption, "X");
    EXPECT_EQ(options[1].OptionType, 1);
}

TEST_F(RegistryStoreTest, AnOptionTooLongForTheReaderIsSkipped)
{
    key_.SetString("OptionCount", "2");
    key_.SetString("Option1", std::string(300, 'c') + ",,0,000");
    key_.SetString("Option2", std::string(250, 'c') + ",,0,000");
    EXPECT_FALSE(store_.ReadOption(1));
    ASSERT_TRUE(store_.ReadOption(2));
    EXPECT_EQ(store_.ReadOption(2)->Caption.size(), 250u);
}

TEST_F(RegistryStoreTest, TheConfigurationProgramsWritesReadBack)
{
    ASSERT_EQ(store_.GetOptionCount(), 9);
    TContextMenuOption mine;
    mine.Caption = "Edit";
    mine.Program = "\"C:\\Tools\\ed.exe\" -n";
    mine.Icon = true;
    ASSERT_TRUE(store_.ReplaceOptionList({mine}));
    EXPECT_TRUE(store_.SetPascalExtensions("  .pas,.inc \t"));
    EXPECT_TRUE(store_.SetFileNameSep(" "));
    EXPECT_TRUE(store_.SetIndicator(TIndicator::PlainMenus, true));

    const std::map<std::string, StoredValue> values = AllValues(key_.Name());
    const std::map<std::string, StoredValue> expected = {
        {"OptionCount", {REG_SZ, "1"}},
        {"Indicators", {REG_SZ, "1001"}},
        {"Option1", {REG_SZ, "Edit,\"C:\\Tools\\ed.exe\" -n,0,100"}},
        {"PascalExtensions", {REG_SZ, ".pas,.inc"}},
        {"FileNameSep", {REG_SZ, ""}},
    };
    EXPECT_EQ(values, expected);

    // A new process sees the same.
    TOptionStore next(backend_);
    EXPECT_EQ(next.GetOptionCount(), 1);
    EXPECT_EQ(next.ReadOption(1), mine);
    EXPECT_EQ(next.GetPascalExtensions(), ".pas,.inc");
    EXPECT_EQ(next.GetFileNameSep(), " ");
    EXPECT_TRUE(next.GetIndicator(TIndicator::PlainMenus));
}

TEST_F(RegistryStoreTest, ShortIndicatorsArePaddedInTheRegistry)
{
    key_.SetString("OptionCount", "0");
    key_.SetString("Indicators", "1");
    EXPECT_TRUE(store_.GetIndicator(TIndicator::PlainMenus));
    EXPECT_FALSE(store_.GetIndicator(TIndicator::ShowIcon));
    EXPECT_EQ(AllValues(key_.Name()).at("Indicators"), (StoredValue{REG_SZ, "1000"}));
}

TEST_F(RegistryStoreTest, ClearSettingsDeletesTheKeyWithItsSubkeys)
{
    ASSERT_EQ(store_.GetOptionCount(), 9);
    key_.MakeSubkey("Child\\Grandchild");
    EXPECT_TRUE(store_.ClearSettings());
    EXPECT_FALSE(key_.Exists());
    // This process made its check: no defaults again, an empty list.
    EXPECT_EQ(store_.GetOptionCount(), 0);
    EXPECT_FALSE(key_.Exists());
}
