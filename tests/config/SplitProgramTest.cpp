#include "config/SplitProgram.h"

#include <gtest/gtest.h>

TEST(SplitProgram, SplitsProgramFromParameters)
{
    struct Case {
        const char* line;
        const char* program;
        const char* parameters;
    };
    const Case cases[] = {
        {"\"C:\\Tools\\ed.exe\" -n", "C:\\Tools\\ed.exe", "-n"},
        {"C:\\Tools\\ed.exe?-n", "C:\\Tools\\ed.exe", "-n"},
        {"C:\\Program Files\\ed.exe", "C:\\Program Files\\ed.exe", ""},
        {"'C:\\x y\\p.exe' /a", "C:\\x y\\p.exe", "/a"},
        {"\"C:\\p.exe", "C:\\p.exe", ""},
        {"ab", "ab", ""},
        {"\"a", "\"a", ""},
        {"", "", ""},
        {"C:\\ed.exe   ?   -n -m ", "C:\\ed.exe", "-n -m "},
        {"\"C:\\a b\\ed.exe\"", "C:\\a b\\ed.exe", ""},
        {"\"C:\\a?b\" x", "C:\\a?b", "x"},
        {"'a\"b' \"q\"", "a\"b", "\"q\""},
        {"?abc", "", "abc"},
        {"\"\" x", "", "x"},
        {" ed.exe ?x", " ed.exe", "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const TProgramLine split = SplitProgram(c.line);
        EXPECT_EQ(split.Program, c.program);
        EXPECT_EQ(split.Parameters, c.parameters);
    }
}
