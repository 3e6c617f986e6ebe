#include "support/VersionFormat.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using testing::IsEmpty;

TEST(VersionNumbers, ComeFromTheHighAndLowHalvesOfTheFixedVersion)
{
    const TVersionNumbers numbers = VersionNumbersOf(0x00030001, 0x00020007);
    EXPECT_THAT(numbers, ElementsAre(3, 1, 2, 7));
    EXPECT_THAT(VersionNumbersOf(0xFFFE0102, 0x8000FFFF), ElementsAre(0xFFFE, 0x0102, 0x8000, 0xFFFF));

    struct Case {
        std::int32_t index;
        std::uint16_t number;
    };
    for (const Case& c : {Case{0, 3}, Case{1, 1}, Case{2, 2}, Case{3, 7}, Case{4, 0}, Case{-1, 0}}) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(VersionNumberAt(numbers, c.index), c.number);
    }
}

TEST(FormatVersion, PutsTheNumbersIntoTheFormat)
{
    struct Case {
        const char* format;
        TVersionNumbers numbers;
        const char* expected;
    };
    const Case cases[] = {
        {"EXE %d.%d.%d (Build %d)", {1, 2, 0, 45}, "EXE 1.2.0 (Build 45)"},
        {"%d.%d%a", {3, 1, 2, 0}, "3.1b"},
        {"%d.%d%z.%d", {3, 1, 2, 7}, "3.1.7"},
        {"%d.%.2d", {5, 8, 0, 0}, "5.08"},
        {"%D-%D", {10, 20, 0, 0}, "10-20"},
        {"v%d.%d%A", {2, 0, 3, 0}, "v2.0C"},
        {"%d.%d%a", {1, 0, 26, 0}, "1.0z"},
        {"%d.%d%a", {1, 0, 27, 0}, "1.0?"},
        {"%d.%d%a", {1, 0, 0, 0}, "1.0"},
        // Zeros come from the precision; a leading 0 in the width is part of the width.
        {"%4d|%-4d|%04d|%.3d", {7, 8, 9, 6}, "   7|8   |   9|006"},
        {"%d.%d.%d.%d.%d.%d", {1, 2, 3, 4}, "1.2.3.4.0.0"},
        {"%Z%Z%Z%d", {1, 2, 3, 4}, "4"},
        {"no numbers", {1, 2, 3, 4}, "no numbers"},
        {"%d and 100%", {9, 0, 0, 0}, "9 and 100%"},
        {"ends with %5", {1, 2, 3, 4}, "ends with %5"},
        {"%d.%s.%d", {1, 2, 3, 4}, "1.%s.%d"},
        {"%d", {65535, 0, 0, 0}, "65535"},
        {"", {1, 2, 3, 4}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(FormatVersion(c.format, c.numbers), c.expected);
    }
}

TEST(FormatVersion, AMalformedFieldIsCopiedAndStillTakesItsNumber)
{
    // "%x d" ends at its "d" but is not a decimal field; the next field gets the second number.
    EXPECT_EQ(FormatVersion("%x d/%d", {1, 2, 3, 4}), "%x d/2");
    // Fields wider than the formatter pads to are not expanded.
    EXPECT_EQ(FormatVersion("%999d", {1, 2, 3, 4}), "%999d");
}

TEST(TranslationPrefixes, GiveTheTableAndItsUnicodeTwinForEachPair)
{
    EXPECT_THAT(TranslationPrefixes({0x09, 0x04, 0xE4, 0x04}), ElementsAre("040904E4\\", "040904B0\\"));
    EXPECT_THAT(TranslationPrefixes({0x07, 0x04, 0xE4, 0x04, 0x09, 0x04, 0xB0, 0x04}),
                ElementsAre("040704E4\\", "040704B0\\", "040904B0\\", "040904B0\\"));
}

TEST(TranslationPrefixes, LanguageZeroIsReadAsUsEnglish)
{
    EXPECT_THAT(TranslationPrefixes({0x00, 0x00, 0xE4, 0x04}), ElementsAre("040904E4\\", "040904B0\\"));
}

TEST(TranslationPrefixes, AShortTableGivesOnePrefixFromItsFirstWord)
{
    EXPECT_THAT(TranslationPrefixes({}), IsEmpty());
    EXPECT_THAT(TranslationPrefixes({0xE4, 0x04}), ElementsAre("040904E4\\"));
    EXPECT_THAT(TranslationPrefixes({0xB0, 0x04, 0x01}), ElementsAre("040904B0\\"));
    EXPECT_THAT(TranslationPrefixes({0x2A}), ElementsAre("0409002A\\"));
    // Bytes past the last whole pair are ignored.
    EXPECT_THAT(TranslationPrefixes({0x09, 0x04, 0xE4, 0x04, 0x07}), ElementsAre("040904E4\\", "040904B0\\"));
}

TEST(StandardValueNames, CoverIndexesZeroToTen)
{
    EXPECT_EQ(StandardValueName(0), "CompanyName");
    EXPECT_EQ(StandardValueName(4), "LegalCopyright");
    EXPECT_EQ(StandardValueName(7), "ProductName");
    EXPECT_EQ(StandardValueName(10), "BuildFlags");
    EXPECT_EQ(StandardValueName(11), "");
    EXPECT_EQ(StandardValueName(-1), "");
}
