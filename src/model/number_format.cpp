#include "model/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace korvane {

namespace {

constexpr int kSignificantDigits = 15;

// The largest 15-digit value that is still a double. Rounding anything above
// it to 15 digits would give a text ("1.79769313486232E+308") that no longer
// reads back as a number, so larger magnitudes are written as this one.
constexpr double kLargestWritable = 1.79769313486231e308;
constexpr double kSmallestNormal = std::numeric_limits<double>::min();

// |x| rounded to 15 significant digits: x = 0.digits × 10^(exponent + 1), that
// is digits[0] stands at the power exponent. Trailing zeros are removed; zero
// and values that are not finite give no digits.
struct DecimalForm {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

DecimalForm DecimalOf(double x) {
    DecimalForm form;
    if (!std::isfinite(x) || x == 0) {
        return form;
    }
    // "d.dddddddddddddddde±x" is at most 24 characters for a double.
    std::array<char, 32> buffer{};
    const double magnitude = std::min(std::fabs(x), kLargestWritable);
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    // The shortest form that reads back as the same double is quick to find.
    // When it has at most 15 digits it is also the 15-digit rounding, since a
    // 15-digit decimal survives the way to a (normal) double and back;
    // otherwise the value is rounded to 15 digits.
    std::string_view text(
        first, std::to_chars(first, last, magnitude, std::chars_format::scientific).ptr - first);
    std::size_t e = text.find('e');
    const std::size_t shortest_digits = e > 1 ? e - 1 : 1;
    if (shortest_digits > kSignificantDigits || magnitude < kSmallestNormal) {
        text = std::string_view(first,
                                std::to_chars(first, last, magnitude, std::chars_format::scientific,
                                              kSignificantDigits - 1)
                                        .ptr -
                                    first);
        e = text.find('e');
    }
    form.negative = x < 0;
    form.digits += text[0];
    if (e > 1) {
        form.digits += text.substr(2, e - 2);
    }
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    form.exponent);
    while (form.digits.size() > 1 && form.digits.back() == '0') {
        form.digits.pop_back();
    }
    return form;
}

std::string ExponentText(int exponent) {
    std::string text = exponent < 0 ? "E-" : "E+";
    const std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 2) {
        text += '0';
    }
    return text + digits;
}

// A "#,##0.0"-style pattern: literal text, then the digit positions, then
// literal text again ("##,###,##0 " keeps its trailing blank).
struct Pattern {
    std::string_view prefix;
    std::string_view suffix;
    bool grouped = false;    // a "," among the integer positions
    bool has_point = false;  // the point is written even when no decimals follow
    int min_integer_digits = 0;
    int min_decimals = 0;
    int max_decimals = 0;
};

bool IsDigitPosition(char c) {
    return c == '#' || c == '0';
}

bool IsNumberPart(char c) {
    return IsDigitPosition(c) || c == ',' || c == '.';
}

Pattern ParsePattern(std::string_view text) {
    Pattern pattern;
    std::size_t begin = 0;
    while (begin < text.size() && !IsNumberPart(text[begin])) {
        ++begin;
    }
    std::size_t end = begin;
    while (end < text.size() && IsNumberPart(text[end])) {
        ++end;
    }
    pattern.prefix = text.substr(0, begin);
    pattern.suffix = text.substr(end);

    // A "0" position forces every position after it in the integer part, and
    // every position before it in the decimal part.
    int integer_positions_from_first_zero = 0;
    bool zero_seen = false;
    for (std::size_t i = begin; i < end; ++i) {
        const char c = text[i];
        if (c == '.') {
            pattern.has_point = true;
        } else if (!pattern.has_point) {
            if (c == ',') {
                pattern.grouped = true;
            } else {
                zero_seen = zero_seen || c == '0';
                integer_positions_from_first_zero += zero_seen ? 1 : 0;
            }
        } else if (IsDigitPosition(c)) {
            ++pattern.max_decimals;
            if (c == '0') {
                pattern.min_decimals = pattern.max_decimals;
            }
        }
    }
    pattern.min_integer_digits = integer_positions_from_first_zero;
    return pattern;
}

// Adds one unit in the last place of a string of decimal digits.
void IncrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string Grouped(const std::string& digits) {
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += ',';
        }
        out += digits[i];
    }
    return out;
}

// Most figures are whole numbers or have a few decimals (13.5, .25). When x
// times 10^k (k up to 4) computes to a whole number N below 1E+15, x lies
// within 2^-53 of N / 10^k relative to it, far closer than half the step
// between 15-digit decimals, so N / 10^k is x's 15-digit form: it is written
// from N's digits without the general rounding, into `out` (room for
// kShortDecimalSize characters). Gives the end of the text, or nullptr when x
// is not such a number.
constexpr std::size_t kShortDecimalSize = 24;

char* ShortDecimal(double x, char* out) {
    double scale = 1;
    for (int decimals = 0; decimals <= 4; ++decimals, scale *= 10) {
        const double scaled = x * scale;
        if (scaled != std::trunc(scaled) || !(std::fabs(scaled) < 1e15)) {
            continue;
        }
        auto whole = static_cast<long long>(std::fabs(scaled));
        int kept = decimals;
        for (; kept > 0 && whole % 10 == 0; --kept) {
            whole /= 10;
        }
        char digits[20];
        char* const digits_end = std::to_chars(digits, digits + sizeof digits, whole).ptr;
        const auto digit_count = static_cast<int>(digits_end - digits);
        if (scaled < 0) {
            *out++ = '-';
        }
        const int integer_count = digit_count - kept;
        out = std::copy(digits, digits + std::max(integer_count, 0), out);
        if (kept > 0) {
            *out++ = '.';
            out = std::fill_n(out, std::max(-integer_count, 0), '0');
            out = std::copy(digits + std::max(integer_count, 0), digits_end, out);
        }
        return out;
    }
    return nullptr;
}

}  // namespace

void AppendPlainNumber(std::string& out, double x) {
    char text[kShortDecimalSize];
    if (const char* end = ShortDecimal(x, text)) {
        out.append(text, static_cast<std::size_t>(end - text));
        return;
    }
    const DecimalForm form = DecimalOf(x);
    if (form.digits.empty()) {
        out += '0';
        return;
    }
    if (form.negative) {
        out += '-';
    }
    const std::string_view digits = form.digits;
    const int digit_count = static_cast<int>(digits.size());
    if (form.exponent < -4 || form.exponent >= kSignificantDigits) {
        out += digits[0];
        if (digit_count > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += ExponentText(form.exponent);
        return;
    }
    if (form.exponent < 0) {
        out += '.';
        out.append(-form.exponent - 1, '0');
        out += digits;
        return;
    }
    const int integer_digits = form.exponent + 1;
    if (digit_count <= integer_digits) {
        out += digits;
        out.append(integer_digits - digit_count, '0');
        return;
    }
    out += digits.substr(0, integer_digits);
    out += '.';
    out += digits.substr(integer_digits);
}

std::string PlainNumber(double x) {
    std::string out;
    AppendPlainNumber(out, x);
    return out;
}

void AppendPrintedNumber(std::string& out, double x) {
    char text[kShortDecimalSize + 2] = {' '};
    if (char* end = ShortDecimal(x, text + 1)) {
        *end++ = ' ';
        const char* const begin = text[1] == '-' ? text + 1 : text;
        out.append(begin, static_cast<std::size_t>(end - begin));
        return;
    }
    const std::size_t start = out.size();
    AppendPlainNumber(out, x);
    // The sign's place holds a blank unless n(x) put a "-" there.
    if (out[start] != '-') {
        out.insert(start, 1, ' ');
    }
    out += ' ';
}

std::string PrintedNumber(double x) {
    std::string out;
    AppendPrintedNumber(out, x);
    return out;
}

std::string FormatPattern(double x, std::string_view pattern_text) {
    const Pattern pattern = ParsePattern(pattern_text);
    const DecimalForm form = DecimalOf(x);

    // Split the 15-digit form at the decimal point, then round half away from
    // zero to the pattern's decimals.
    std::string integer_digits;
    std::string decimals;
    if (!form.digits.empty()) {
        const int point = form.exponent + 1;
        if (point <= 0) {
            decimals = std::string(-point, '0') + form.digits;
        } else if (point >= static_cast<int>(form.digits.size())) {
            integer_digits = form.digits + std::string(point - form.digits.size(), '0');
        } else {
            integer_digits = form.digits.substr(0, point);
            decimals = form.digits.substr(point);
        }
    }
    const auto kept = static_cast<std::size_t>(pattern.max_decimals);
    const bool round_up = decimals.size() > kept && decimals[kept] >= '5';
    decimals.resize(kept, '0');
    if (round_up) {
        std::string all = integer_digits + decimals;
        IncrementDigits(all);
        integer_digits = all.substr(0, all.size() - kept);
        decimals = all.substr(all.size() - kept);
    }

    const bool is_zero = integer_digits.find_first_not_of('0') == std::string::npos &&
                         decimals.find_first_not_of('0') == std::string::npos;
    const std::size_t first_significant = integer_digits.find_first_not_of('0');
    integer_digits.erase(
        0, first_significant == std::string::npos ? integer_digits.size() : first_significant);
    if (static_cast<int>(integer_digits.size()) < pattern.min_integer_digits) {
        integer_digits.insert(0, pattern.min_integer_digits - integer_digits.size(), '0');
    }
    while (static_cast<int>(decimals.size()) > pattern.min_decimals && decimals.back() == '0') {
        decimals.pop_back();
    }

    std::string out(pattern.prefix);
    if (form.negative && !is_zero) {
        out += '-';
    }
    out += pattern.grouped ? Grouped(integer_digits) : integer_digits;
    if (pattern.has_point) {
        out += '.';
        out += decimals;
    }
    out += pattern.suffix;
    return out;
}

std::string LongDate(std::chrono::sys_days day) {
    static constexpr std::array<const char*, 7> kWeekdays = {
        "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    static constexpr std::array<const char*, 12> kMonths = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    const std::chrono::year_month_day date(day);
    const std::chrono::weekday weekday(day);
    return std::string(kWeekdays[weekday.c_encoding()]) + ", " +
           kMonths[static_cast<unsigned>(date.month()) - 1] + " " +
           std::to_string(static_cast<unsigned>(date.day())) + ", " +
           std::to_string(static_cast<int>(date.year()));
}

}  // namespace korvane
