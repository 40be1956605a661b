#include "model/number_format.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace korvane {
namespace {

using std::chrono::December;
using std::chrono::February;
using std::chrono::sys_days;
using std::chrono::year;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(NumberFormatPlain, ShortestFormWithoutLeadingZero) {
    EXPECT_EQ(PlainNumber(0), "0");
    EXPECT_EQ(PlainNumber(-0.0), "0");
    EXPECT_EQ(PlainNumber(2), "2");
    EXPECT_EQ(PlainNumber(-1.5), "-1.5");
    EXPECT_EQ(PlainNumber(0.5), ".5");
    EXPECT_EQ(PlainNumber(-0.25), "-.25");
    EXPECT_EQ(PlainNumber(1234567), "1234567");
    EXPECT_EQ(PlainNumber(100), "100");
    EXPECT_EQ(PlainNumber(0.0001), ".0001");
    EXPECT_EQ(PlainNumber(90000.0 / 13.5), "6666.66666666667");
}

TEST(NumberFormatPlain, FifteenSignificantDigits) {
    EXPECT_EQ(PlainNumber(0.1 + 0.2), ".3");
    EXPECT_EQ(PlainNumber(1.0 / 3), ".333333333333333");
    EXPECT_EQ(PlainNumber(2.0 / 3), ".666666666666667");
    EXPECT_EQ(PlainNumber(123456789012345.0), "123456789012345");
    EXPECT_EQ(PlainNumber(999999999999999.9), "1E+15");
}

// Two 15-digit decimals are the same number exactly when they read back as
// the same double, so n(x) is checked against the C library's rounding of x;
// p(x) is n(x) in its sign's place.
TEST(NumberFormatPlain, AgreesWithFifteenDigitRoundingOverTheWholeRange) {
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = random();
        // Every bit pattern, and short decimals as figures mostly are.
        const double x = i % 2 == 0 ? std::bit_cast<double>(bits)
                                    : static_cast<double>(bits % 2000001) / 1000.0 - 1000.0;
        if (!std::isfinite(x) || std::fabs(x) > 1.79769313486231e308) {
            continue;
        }
        char rounded[40];
        std::snprintf(rounded, sizeof rounded, "%.14e", x);
        const std::string plain = PlainNumber(x);
        ASSERT_EQ(std::strtod(plain.c_str(), nullptr), std::strtod(rounded, nullptr)) << rounded;
        ASSERT_EQ(PrintedNumber(x), (plain[0] == '-' ? "" : " ") + plain + " ") << rounded;
    }
}

TEST(NumberFormatPlain, ExponentFormBelowOneTenThousandthAndFromE15) {
    EXPECT_EQ(PlainNumber(1e-5), "1E-05");
    EXPECT_EQ(PlainNumber(-2.5e-7), "-2.5E-07");
    EXPECT_EQ(PlainNumber(1e15), "1E+15");
    EXPECT_EQ(PlainNumber(1.25e20), "1.25E+20");
    EXPECT_EQ(PlainNumber(1e100), "1E+100");
    EXPECT_EQ(PlainNumber(5e-324), "4.94065645841247E-324");
    EXPECT_EQ(PlainNumber(-std::numeric_limits<double>::max()), "-1.79769313486231E+308");
}

TEST(NumberFormatPlain, NonFiniteWritesAsZero) {
    EXPECT_EQ(PlainNumber(kNaN), "0");
    EXPECT_EQ(PlainNumber(kInf), "0");
    EXPECT_EQ(PrintedNumber(-kInf), " 0 ");
    EXPECT_EQ(FormatPattern(kNaN, "0.0"), "0.0");
    EXPECT_EQ(FormatPattern(kInf, "#,###"), "");
}

TEST(NumberFormatPrinted, BlankOrMinusBeforeAndBlankAfter) {
    EXPECT_EQ(PrintedNumber(2), " 2 ");
    EXPECT_EQ(PrintedNumber(-1.5), "-1.5 ");
    EXPECT_EQ(PrintedNumber(0), " 0 ");
    EXPECT_EQ(PrintedNumber(-0.0), " 0 ");
    EXPECT_EQ(PrintedNumber(0.5), " .5 ");
    EXPECT_EQ(PrintedNumber(-1e-5), "-1E-05 ");
}

TEST(NumberFormatPattern, HashPositionsPrintOnlyWhatIsNeeded) {
    EXPECT_EQ(FormatPattern(1234, "###,###.###"), "1,234.");
    EXPECT_EQ(FormatPattern(0.25, "###,###.###"), ".25");
    EXPECT_EQ(FormatPattern(0, "###,###.###"), ".");
    EXPECT_EQ(FormatPattern(1234.5678, "###,###.###"), "1,234.568");
    EXPECT_EQ(FormatPattern(12.5, "##,###,###.##"), "12.5");
    EXPECT_EQ(FormatPattern(1234567.891, "##,###,###.##"), "1,234,567.89");
    EXPECT_EQ(FormatPattern(2.675, "##,###,###.##"), "2.68");
    EXPECT_EQ(FormatPattern(12345.67, "###,###.#"), "12,345.7");
    EXPECT_EQ(FormatPattern(7, "###,###.#"), "7.");
    EXPECT_EQ(FormatPattern(1234.56, "###.#"), "1234.6");
    EXPECT_EQ(FormatPattern(0.04, "###.#"), ".");
    EXPECT_EQ(FormatPattern(1234567.891, "##,###,###.#"), "1,234,567.9");
}

TEST(NumberFormatPattern, IntegerPatternsRoundAndGroup) {
    EXPECT_EQ(FormatPattern(0, "#,###"), "");
    EXPECT_EQ(FormatPattern(0.4, "#,###"), "");
    EXPECT_EQ(FormatPattern(1234.5, "#,###"), "1,235");
    EXPECT_EQ(FormatPattern(562.5, "#,###"), "563");
    EXPECT_EQ(FormatPattern(-562.5, "#,###"), "-563");
    EXPECT_EQ(FormatPattern(12345678, "##,###,###"), "12,345,678");
    EXPECT_EQ(FormatPattern(999.5, "###,###"), "1,000");
    EXPECT_EQ(FormatPattern(1234567890123.0, "#,###,###,###"), "1,234,567,890,123");
    EXPECT_EQ(FormatPattern(562.5, "0"), "563");
    EXPECT_EQ(FormatPattern(0.2, "0"), "0");
    EXPECT_EQ(FormatPattern(7, "00"), "07");
    EXPECT_EQ(FormatPattern(123, "00"), "123");
    EXPECT_EQ(FormatPattern(1234567, "#,###,##0"), "1,234,567");
    EXPECT_EQ(FormatPattern(0, "#,###,##0"), "0");
}

TEST(NumberFormatPattern, ZeroPositionsAlwaysPrint) {
    EXPECT_EQ(FormatPattern(1234.56, "#,###,##0.0"), "1,234.6");
    EXPECT_EQ(FormatPattern(0.04, "#,###,##0.0"), "0.0");
    EXPECT_EQ(FormatPattern(3, "0.0"), "3.0");
    EXPECT_EQ(FormatPattern(0.05, "0.0"), "0.1");
    EXPECT_EQ(FormatPattern(-0.05, "0.0"), "-0.1");
    EXPECT_EQ(FormatPattern(9.96, "0.0"), "10.0");
    EXPECT_EQ(FormatPattern(1500, "##,###,##0 "), "1,500 ");
    EXPECT_EQ(FormatPattern(0, "##,###,##0 "), "0 ");
}

TEST(NumberFormatPattern, ValueRoundingToZeroHasNoSign) {
    EXPECT_EQ(FormatPattern(-0.04, "0.0"), "0.0");
    EXPECT_EQ(FormatPattern(-0.4, "0"), "0");
    EXPECT_EQ(FormatPattern(-0.4, "#,###"), "");
    EXPECT_EQ(FormatPattern(-0.0001, "###,###.###"), ".");
}

TEST(NumberFormatPattern, LargeAndTinyMagnitudes) {
    EXPECT_EQ(FormatPattern(1e15, "#,###"), "1,000,000,000,000,000");
    EXPECT_EQ(FormatPattern(1.5e-7, "0.0"), "0.0");
    EXPECT_EQ(FormatPattern(0.0005, "###,###.###"), ".001");
    EXPECT_EQ(FormatPattern(-999999.95, "###,###.#"), "-1,000,000.");
}

// Awkward values under every kind of pattern, as the reports and windows have
// always written them: a negative zero, halves on either side, whole numbers
// past 15 digits, values below the smallest double of full precision, more
// decimals than the 15-digit form holds.
TEST(NumberFormatPattern, AwkwardValuesKeepTheirTexts) {
    const struct {
        double x;
        const char* pattern;
        const char* text;
    } cases[] = {
        {-0.0, "#,##0.0", "0.0"},
        {-0.0, "#,###", ""},
        {-0.049, "0.0", "0.0"},
        {0.25, "0.0", "0.3"},
        {-0.25, "0.0", "-0.3"},
        {0.35, "0.0", "0.4"},
        {2.5, "0", "3"},
        {-2.5, "#,###", "-3"},
        {1.005, "#,##0.00", "1.01"},
        {1.015, "#,##0.00", "1.02"},
        {0.125, "##,###,###.##", ".13"},
        {999999.95, "#,###,##0.0", "1,000,000.0"},
        {0.0005, "0.000", "0.001"},
        {1e15, "#,###,##0.0", "1,000,000,000,000,000.0"},
        {1.25e20, "#,###", "125,000,000,000,000,000,000"},
        {123456789012345.6, "#,##0.0", "123,456,789,012,346.0"},
        {-1.5e25, "0", "-15000000000000000000000000"},
        {-2e-310, "0.0", "0.0"},
        {1e-5, "0.0", "0.0"},
        {5e-5, "0.0000", "0.0001"},
        {-5e-324, "0.0", "0.0"},
        {4.9e-5, "###,###.####", "."},
        {1.0 / 3, "0.000000000000000000", "0.333333333333333000"},
        {2.0 / 3, "#,##0.000000000000", "0.666666666667"},
        {0.1 + 0.2, "0.00000000000000000", "0.30000000000000000"},
        {90000.0 / 13.5, "#,##0.00000", "6,666.66667"},
        {1234.56789, "Mass: #,##0.000 t", "Mass: 1,234.568 t"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatPattern(c.x, c.pattern), c.text) << c.x << " under " << c.pattern;
    }
    const std::string largest = FormatPattern(std::numeric_limits<double>::max(), "#,###");
    EXPECT_EQ(largest.substr(0, 24), "179,769,313,486,231,000,");
    EXPECT_EQ(largest.size(), 309u + 102u) << "309 digits and their commas";
}

TEST(NumberFormatLongDate, WeekdayMonthDayYear) {
    EXPECT_EQ(LongDate(sys_days(year(2026) / December / 7)), "Monday, December 7, 2026");
    EXPECT_EQ(LongDate(sys_days(year(2024) / February / 29)), "Thursday, February 29, 2024");
    EXPECT_EQ(LongDate(sys_days(year(1970) / 1 / 1)), "Thursday, January 1, 1970");
}

}  // namespace
}  // namespace korvane
