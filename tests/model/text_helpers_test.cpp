#include "model/text_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace korvane {
namespace {

TEST(TextHelpersTrim, RemovesTheChosenBlanksAtTheEnds) {
    EXPECT_EQ(Trimmed("  a b  "), "a b");
    EXPECT_EQ(Trimmed("\t a \t"), "\t a \t") << "only spaces by default";
    EXPECT_EQ(Trimmed("\t a \t", kSpacesAndTabs), "a");
    EXPECT_EQ(Trimmed(std::string_view("\0 x\0 ", 5), kSpacesAndNuls), "x");
    EXPECT_EQ(Trimmed("    "), "");
    EXPECT_EQ(Trimmed(""), "");
}

TEST(TextHelpersTrim, TrimmedEndKeepsTheLeadingBlanks) {
    EXPECT_EQ(TrimmedEnd("  a b  "), "  a b");
    EXPECT_EQ(TrimmedEnd("   "), "");
    EXPECT_EQ(TrimmedEnd(std::string_view("x\0\0", 3)), std::string_view("x\0\0", 3))
        << "a NUL is no blank by default";
    EXPECT_EQ(TrimmedEnd(std::string_view("x \0", 3), kSpacesAndNuls), "x");
}

TEST(TextHelpersCase, FoldsAsciiLettersOnly) {
    EXPECT_EQ(LowerCase("Scout.K2D"), "scout.k2d");
    EXPECT_EQ(UpperCase("dbLoc="), "DBLOC=");
    EXPECT_EQ(LowerCase("\xC9T\xC9"), "\xC9t\xC9") << "Windows-1252 letters stay as they are";
    EXPECT_TRUE(SameIgnoringCase("WinDir", "WINDIR"));
    EXPECT_FALSE(SameIgnoringCase("WINDIR", "WINDIRS"));
    EXPECT_FALSE(SameIgnoringCase("a", "b"));
}

TEST(TextHelpersCase, SortsIgnoringCaseWithAFixedOrderForCaseTwins) {
    std::vector<std::string> names = {"b.k2d", "A.K2D", "a.k2d", "C.k2d"};
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    EXPECT_EQ(names, (std::vector<std::string>{"A.K2D", "a.k2d", "b.k2d", "C.k2d"}));
    EXPECT_FALSE(LessIgnoringCase("a", "a"));
}

TEST(LeadingNumber, ReadsTheLeadingNumberLikeTypedInput) {
    EXPECT_EQ(LeadingNumber("3 turrets"), 3);
    EXPECT_EQ(LeadingNumber("  -1.5e2x"), -150);
    EXPECT_EQ(LeadingNumber("+2.5"), 2.5);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("7."), 7);
    EXPECT_EQ(LeadingNumber("2e"), 2);
    EXPECT_EQ(LeadingNumber("2e+"), 2);
    EXPECT_EQ(LeadingNumber("1E3 kl"), 1000);
    EXPECT_EQ(LeadingNumber("1,234"), 1);
}

TEST(LeadingNumber, NoNumberReadsZero) {
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("   "), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("."), 0);
    EXPECT_EQ(LeadingNumber("e5"), 0);
    EXPECT_FALSE(std::signbit(LeadingNumber("-0")));
    EXPECT_EQ(LeadingNumber("1e999"), 0);
    EXPECT_EQ(LeadingNumber("1e-999"), 0);
}

}  // namespace
}  // namespace korvane
