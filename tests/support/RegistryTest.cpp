#include "support/Registry.h"

#include <gtest/gtest.h>

#include "tests/support/WinTestSupport.h"

using wintest::TestKey;

namespace {

const HKEY kRoot = HKEY_CURRENT_USER;

}  // namespace

TEST(RegWriteString, CreatesTheKeyWithItsParentsAndStoresText)
{
    TestKey test("registry");
    const std::string deep = test.Name() + "\\a\\b";
    EXPECT_TRUE(RegWriteString(kRoot, deep, "Name", "Value"));
    EXPECT_TRUE(test.Exists("a\\b"));
    EXPECT_EQ(RegReadString(kRoot, deep, "Name", "default"), "Value");

    EXPECT_TRUE(RegWriteString(kRoot, deep, "Name", ""));
    EXPECT_EQ(RegReadString(kRoot, deep, "Name", "default"), "");

    // The value is REG_SZ with its terminating NUL.
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(kRoot, deep.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_TRUE(RegWriteString(kRoot, deep, "Text", "abc"));
    DWORD type = 0;
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "Text", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 4u);
    RegCloseKey(key);
}

TEST(RegWriteString, FailsWithARootThatIsNoKey)
{
    EXPECT_FALSE(RegWriteString(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x1234)), "Software\\X", "Name", "x"));
}

TEST(RegReadString, GivesTheDefaultForWhatIsNotAShortText)
{
    TestKey test("registry");
    const DWORD number = 42;
    test.SetRaw("Dword", REG_DWORD, &number, sizeof number);
    const BYTE bytes[] = {'a', 'b', 0};
    test.SetRaw("Binary", REG_BINARY, bytes, sizeof bytes);
    test.SetRaw("Expand", REG_EXPAND_SZ, "%PATH%\\x", 9);
    test.SetString("Long260", std::string(260, 'L'));
    test.SetString("Long261", std::string(261, 'L'));
    test.SetString("Long1000", std::string(1000, 'L'));
    test.SetRaw("NoNul5", REG_SZ, "abcde", 5);
    test.SetRaw("NoNul261", REG_SZ, std::string(261, 'N').c_str(), 261);
    test.SetRaw("Embedded", REG_SZ, "ab\0cd", 6);

    struct Case {
        const char* name;
        std::string expected;
    };
    const Case cases[] = {
        {"Dword", "default"},
        {"Binary", "default"},
        {"Expand", "%PATH%\\x"},
        {"Long260", std::string(260, 'L')},
        {"Long261", "default"},
        {"Long1000", "default"},
        {"NoNul5", "abcde"},
        {"NoNul261", "default"},
        {"Embedded", "ab"},
        {"Missing", "default"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RegReadString(kRoot, test.Name(), c.name, "default"), c.expected);
    }
    EXPECT_EQ(RegReadString(kRoot, test.Name() + "\\Missing", "Dword", "default"), "default");
}

TEST(RegReadInt, ReadsDecimalTextAndFallsBackToTheDefault)
{
    TestKey test("registry");
    const DWORD number = 42;
    test.SetRaw("Dword", REG_DWORD, &number, sizeof number);
    test.SetString("Number", "42");
    test.SetString("Negative", "-7");
    test.SetString("Text", "abc");
    test.SetString("Empty", "");

    struct Case {
        const char* name;
        int expected;
    };
    const Case cases[] = {
        {"Number", 42}, {"Negative", -7}, {"Text", 5}, {"Empty", 5}, {"Dword", 5}, {"Missing", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RegReadInt(kRoot, test.Name(), c.name, 5), c.expected);
    }
}

TEST(RegOpenKeyForRead, OpensAnExistingKeyAndReportsAMissingOne)
{
    TestKey test("registry");
    test.SetString("Name", "Value");
    UniqueKey key;
    EXPECT_EQ(RegOpenKeyForRead(kRoot, test.Name(), key), ERROR_SUCCESS);
    ASSERT_TRUE(key);
    char buffer[16] = {};
    DWORD size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(key.Get(), "Name", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(buffer, "Value");

    UniqueKey missing;
    EXPECT_EQ(RegOpenKeyForRead(kRoot, test.Name() + "\\Missing", missing), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(missing);
}

TEST(RegDeleteKeyTree, WithoutRecursionOnlyAKeyWithoutSubkeysGoes)
{
    TestKey test("registry");
    test.MakeSubkey("Child");
    test.SetString("Name", "Value");

    EXPECT_FALSE(RegDeleteKeyTree(kRoot, test.Name(), false));
    EXPECT_TRUE(test.Exists());
    EXPECT_TRUE(test.Exists("Child"));

    EXPECT_TRUE(RegDeleteKeyTree(kRoot, test.Name() + "\\Child", false));
    EXPECT_FALSE(test.Exists("Child"));
    EXPECT_TRUE(RegDeleteKeyTree(kRoot, test.Name(), false));
    EXPECT_FALSE(test.Exists());
}

TEST(RegDeleteKeyTree, WithRecursionTheWholeTreeGoes)
{
    TestKey test("registry");
    for (const char* subkey : {"A", "A\\A1", "A\\A2\\Deep", "B", "C\\C1"}) test.MakeSubkey(subkey);
    RegWriteString(kRoot, test.Name() + "\\A\\A2\\Deep", "Name", "Value");

    EXPECT_TRUE(RegDeleteKeyTree(kRoot, test.Name(), true));
    EXPECT_FALSE(test.Exists());
}

TEST(RegDeleteKeyTree, FailsForAMissingKey)
{
    TestKey test("registry");
    EXPECT_FALSE(RegDeleteKeyTree(kRoot, test.Name(), true));
    EXPECT_FALSE(RegDeleteKeyTree(kRoot, test.Name(), false));
}

TEST(RegDeleteValue, DeletesOneValueAndReportsWhatIsNotThere)
{
    TestKey test("registry");
    test.SetString("Gone", "1");
    test.SetString("Kept", "2");
    EXPECT_TRUE(RegDeleteValue(kRoot, test.Name(), "Gone"));
    EXPECT_EQ(RegReadString(kRoot, test.Name(), "Gone", "default"), "default");
    EXPECT_EQ(RegReadString(kRoot, test.Name(), "Kept", "default"), "2");
    EXPECT_FALSE(RegDeleteValue(kRoot, test.Name(), "Gone"));
    EXPECT_FALSE(RegDeleteValue(kRoot, test.Name() + "\\Missing", "Kept"));
}
