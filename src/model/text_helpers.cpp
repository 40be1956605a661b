#include "model/text_helpers.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace korvane {

std::string ShownText(std::string_view field) {
    std::string text(TrimmedEnd(field, kSpacesAndNuls));
    std::replace(text.begin(), text.end(), '\0', ' ');
    return text;
}

std::string ControlsShown(std::string_view text) {
    std::string shown(text);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = '?';
        }
    }
    return shown;
}

std::string LowerCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return LowerCase(c); });
    return out;
}

std::string UpperCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return UpperCase(c); });
    return out;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerCase(x) == LowerCase(y);
           });
}

bool LessIgnoringCase(std::string_view a, std::string_view b) {
    const auto folded = [](char x, char y) { return LowerCase(x) < LowerCase(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded)) {
        return true;
    }
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded)) {
        return false;
    }
    return a < b;
}

double LeadingNumber(std::string_view text) {
    std::size_t pos = text.find_first_not_of(" \t");
    if (pos == std::string_view::npos) {
        return 0;
    }
    const std::size_t start = pos;
    auto skip_digits = [&] {
        const std::size_t from = pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            ++pos;
        }
        return pos > from;
    };
    if (text[pos] == '+' || text[pos] == '-') {
        ++pos;
    }
    bool any_digit = skip_digits();
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        any_digit = skip_digits() || any_digit;
    }
    if (!any_digit) {
        return 0;
    }
    // An exponent counts only when digits follow it: "2e" reads 2.
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        const std::size_t mantissa_end = pos;
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        if (!skip_digits()) {
            pos = mantissa_end;
        }
    }
    // from_chars takes no "+" sign.
    const std::size_t number_start = text[start] == '+' ? start + 1 : start;
    double value = 0;
    const auto result = std::from_chars(text.data() + number_start, text.data() + pos, value);
    // A magnitude beyond the double range reads as 0 rather than as infinity.
    if (result.ec != std::errc()) {
        return 0;
    }
    return value + 0.0;  // "-0" reads as 0
}

}  // namespace korvane
