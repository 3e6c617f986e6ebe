#include "shell/AnalysisSelection.h"

#include <gtest/gtest.h>

#include "config/StoreNames.h"

namespace {

TEST(AnalysisSelectionTest, LowerCaseExtension)
{
    EXPECT_EQ(LowerCaseExtension("Unit1.PAS"), ".pas");
    EXPECT_EQ(LowerCaseExtension("a.b.Dpr"), ".dpr");
    EXPECT_EQ(LowerCaseExtension("noext"), "");
    EXPECT_EQ(LowerCaseExtension("trailing."), ".");
    EXPECT_EQ(LowerCaseExtension(".pas"), ".pas");
    EXPECT_EQ(LowerCaseExtension("x.\xC4Z"), ".\xC4z");  // only A to Z change
}

TEST(AnalysisSelectionTest, ExtensionRule)
{
    struct Case {
        const char* Name;
        const char* Extensions;
        bool Chosen;
    };
    const std::string defaults = StoreNames::DefaultPascalExtensions;
    const Case cases[] = {
        {"Unit1.pas", defaults.c_str(), true},
        {"UNIT1.PAS", defaults.c_str(), true},
        {"Unit1.Pas", defaults.c_str(), true},
        {"Project1.dpr", defaults.c_str(), true},
        // The list is searched as text, not split at its commas.
        {"a.p", defaults.c_str(), true},
        {"a.pa", defaults.c_str(), true},
        {"a.d", defaults.c_str(), true},
        {"a.dp", defaults.c_str(), true},
        {"a.", defaults.c_str(), true},
        {"a.r,.p", defaults.c_str(), true},
        {"a.pp", defaults.c_str(), false},
        {"a.inc", defaults.c_str(), false},
        {"a.pas.bak", defaults.c_str(), false},
        {"pas", defaults.c_str(), false},
        {"Makefile", defaults.c_str(), false},
        // The list is not lower-cased.
        {"Unit1.pas", ".PAS", false},
        {"Unit1.PAS", ".PAS", false},
        {"Unit1.pas", "", false},
        {"Unit1.pas", "pas", false},
        {"Unit1.inc", ".inc;.pas", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Name) + " in \"" + c.Extensions + "\"");
        EXPECT_EQ(IsPascalSourceName(c.Name, c.Extensions), c.Chosen);
    }
}

}  // namespace
