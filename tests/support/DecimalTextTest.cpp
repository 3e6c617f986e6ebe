#include "support/DecimalText.h"

#include <gtest/gtest.h>

TEST(ParseDecimal, ReadsWholeDecimalTextsWithinThirtyTwoBits)
{
    struct Case {
        const char* text;
        std::optional<std::int32_t> expected;
    };
    const Case cases[] = {
        {"0", 0},
        {"9", 9},
        {"257", 257},
        {"-1", -1},
        {"+42", 42},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"abc", std::nullopt},
        {"12a", std::nullopt},
        {" 12", std::nullopt},
        {"12 ", std::nullopt},
        {"1.5", std::nullopt},
        {"--1", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseDecimal(c.text), c.expected);
    }
}
