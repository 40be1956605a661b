#include "model/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>

namespace korvane {

namespace {

constexpr int kSignificantDigits = 15;

// The largest 15-digit value that is still a double. Rounding anything above
// it to 15 digits would give a text ("1.79769313486232E+308") that no longer
// reads back as a number, so larger magnitudes are written as this one.
constexpr double kLargestWritable = 1.79769313486231e308;
constexpr double kSmallestNormal = std::numeric_limits<double>::min();

// Most figures are whole numbers or have a few decimals (13.5, .25). When x
// times 10^k (k up to 4) computes to a whole number N below 1E+15, x lies
// within 2^-53 of N / 10^k relative to it, far closer than half the step
// between 15-digit decimals, so N / 10^k is x's 15-digit form: it is taken
// from N's digits without the general rounding.
struct ShortForm {
    long long whole = 0;  // |x| times 10^decimals
    int decimals = 0;     // no trailing zero among them
};

std::optional<ShortForm> ShortFormOf(double x) {
    double scale = 1;
    for (int decimals = 0; decimals <= 4; ++decimals, scale *= 10) {
        const double scaled = x * scale;
        if (scaled != std::trunc(scaled) || !(std::fabs(scaled) < 1e15)) {
            continue;
        }
        ShortForm form{static_cast<long long>(std::fabs(scaled)), decimals};
        for (; form.decimals > 0 && form.whole % 10 == 0; --form.decimals) {
            form.whole /= 10;
        }
        return form;
    }
    return std::nullopt;
}

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
    form.negative = x < 0;
    if (const std::optional<ShortForm> short_form = ShortFormOf(x)) {
        char digits[20];
        char* const end = std::to_chars(digits, digits + sizeof digits, short_form->whole).ptr;
        form.digits.assign(digits, end);
        form.exponent = static_cast<int>(end - digits) - 1 - short_form->decimals;
        form.digits.resize(form.digits.find_last_not_of('0') + 1);
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

// `padding` zeros and then `digits`, with a "," before each group of three
// from the right when `grouped`.
void AppendIntegerDigits(std::string& out, std::size_t padding, std::string_view digits,
                         bool grouped) {
    const std::size_t count = padding + digits.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (grouped && i > 0 && (count - i) % 3 == 0) {
            out += ',';
        }
        out += i < padding ? '0' : digits[i - padding];
    }
}

// x's 15-digit form when ShortFormOf finds one, written as n(x) into `out`
// (room for kShortDecimalSize characters). Gives the end of the text, or
// nullptr when x is not such a number.
constexpr std::size_t kShortDecimalSize = 24;

char* ShortDecimal(double x, char* out) {
    const std::optional<ShortForm> form = ShortFormOf(x);
    if (!form) {
        return nullptr;
    }
    char digits[20];
    char* const digits_end = std::to_chars(digits, digits + sizeof digits, form->whole).ptr;
    const auto digit_count = static_cast<int>(digits_end - digits);
    if (x < 0) {
        *out++ = '-';
    }
    const int integer_count = digit_count - form->decimals;
    out = std::copy(digits, digits + std::max(integer_count, 0), out);
    if (form->decimals > 0) {
        *out++ = '.';
        out = std::fill_n(out, std::max(-integer_count, 0), '0');
        out = std::copy(digits + std::max(integer_count, 0), digits_end, out);
    }
    return out;
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

char* WritePrintedNumber(double x, char* out) {
    char* const room_end = out + kLongestPrintedNumber;
    // Most figures of a design file are 0 (and -0 prints as 0 too, as does
    // a value that is not finite).
    if (x == 0 || !std::isfinite(x)) {
        return std::copy_n(" 0 ", 3, out);
    }
    // A negative number's "-" takes the place of the blank before it.
    if (x > 0) {
        *out++ = ' ';
    }
    // Whole numbers, most of the others, go straight to their digits.
    if (std::fabs(x) < 1e15) {
        const auto whole = static_cast<long long>(x);
        if (static_cast<double>(whole) == x) {
            out = std::to_chars(out, room_end, whole).ptr;
            *out++ = ' ';
            return out;
        }
    }
    if (char* end = ShortDecimal(x, out)) {
        *end++ = ' ';
        return end;
    }
    std::string plain;
    AppendPlainNumber(plain, x);
    out = std::copy(plain.begin(), plain.end(), out);
    *out++ = ' ';
    return out;
}

void AppendPrintedNumber(std::string& out, double x) {
    char text[kLongestPrintedNumber];
    out.append(text, static_cast<std::size_t>(WritePrintedNumber(x, text) - text));
}

std::string PrintedNumber(double x) {
    std::string out;
    AppendPrintedNumber(out, x);
    return out;
}

std::string FormatPattern(double x, std::string_view pattern_text) {
    const Pattern pattern = ParsePattern(pattern_text);
    const DecimalForm form = DecimalOf(x);

    // The value in fixed point, its integer digits and then exactly the
    // pattern's decimals, cut from the 15-digit form and rounded half away
    // from zero. Around the form's digits stand zeros.
    const auto digit_at = [&form](int index) {
        return index >= 0 && index < static_cast<int>(form.digits.size())
                   ? form.digits[static_cast<std::size_t>(index)]
                   : '0';
    };
    const int point = form.digits.empty() ? 0 : form.exponent + 1;
    const int integer_count = std::max(point, 0);
    const int kept = pattern.max_decimals;
    std::string fixed(static_cast<std::size_t>(integer_count + kept), '0');
    for (int i = 0; i < integer_count + kept; ++i) {
        fixed[static_cast<std::size_t>(i)] = digit_at(i + point - integer_count);
    }
    if (digit_at(point + kept) >= '5') {
        IncrementDigits(fixed);
    }

    const std::string_view all = fixed;
    const bool is_zero = all.find_first_not_of('0') == std::string_view::npos;
    std::string_view integer_digits = all.substr(0, all.size() - static_cast<std::size_t>(kept));
    std::string_view decimals = all.substr(integer_digits.size());
    integer_digits.remove_prefix(
        std::min(integer_digits.find_first_not_of('0'), integer_digits.size()));
    const auto wanted = static_cast<std::size_t>(pattern.min_integer_digits);
    const std::size_t padding = wanted > integer_digits.size() ? wanted - integer_digits.size() : 0;
    while (static_cast<int>(decimals.size()) > pattern.min_decimals && decimals.back() == '0') {
        decimals.remove_suffix(1);
    }

    std::string out(pattern.prefix);
    if (form.negative && !is_zero) {
        out += '-';
    }
    AppendIntegerDigits(out, padding, integer_digits, pattern.grouped);
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
