#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

// n(x): the shortest decimal form with at most 15 significant digits, "." as
// the decimal point, no leading zero below 1 (".5", "-.25"), and the exponent
// form only below 1E-4 and from 1E+15 ("1E-05", "1E+15"). Never NaN: a value
// that is not finite is written as 0.
std::string PlainNumber(double x);
// n(x) added to the end of `out`, for writers that build a whole file.
void AppendPlainNumber(std::string& out, double x);

// p(x): n(x) with one blank before a value of 0 or more ("-" before a negative
// one) and one blank after: " 2 ", "-1.5 ". Design files write numbers this way.
std::string PrintedNumber(double x);
void AppendPrintedNumber(std::string& out, double x);
// p(x) written at `out`, which has room for kLongestPrintedNumber characters;
// gives the end of the text.
inline constexpr std::size_t kLongestPrintedNumber = 32;
char* WritePrintedNumber(double x, char* out);

// x under a "#,##0.0"-style pattern ("##,###,###", "#,###", "###,###.#",
// "0.0", "0" …): "#" positions print only the digits needed, "0" positions
// always print, a "," among the integer positions groups thousands, and the
// "." is written even without decimals (1234 under "###,###.###" gives
// "1,234."). Text around the positions is kept ("##,###,##0 "). Rounds the
// 15-significant-digit form half away from zero; a value that rounds to 0 has
// no sign; "." and "," whatever the locale.
std::string FormatPattern(double x, std::string_view pattern);

// "Monday, December 7, 2026".
std::string LongDate(std::chrono::sys_days day);

}  // namespace korvane
