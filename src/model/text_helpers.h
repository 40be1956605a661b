#pragma once

#include <string>
#include <string_view>

namespace korvane {

// What counts as a blank when a text is trimmed: a space; spaces and tabs in
// texts a person typed or a file brought; spaces and NULs in a record's text
// field, where a field never set holds NULs.
inline constexpr std::string_view kSpaces = " ";
inline constexpr std::string_view kSpacesAndTabs = " \t";
inline constexpr std::string_view kSpacesAndNuls{"\0 ", 2};

// Whether `c` is one of `blanks`. The blanks are one or two characters: a loop
// over them costs less than a library search, and inline it unrolls.
inline bool IsAmong(char c, std::string_view blanks) {
    for (const char blank : blanks) {
        if (c == blank) {
            return true;
        }
    }
    return false;
}

// The text without the blanks at its end, or at either end. Inline, since a
// design file trims every one of its values.
inline std::string_view TrimmedEnd(std::string_view text, std::string_view blanks = kSpaces) {
    while (!text.empty() && IsAmong(text.back(), blanks)) {
        text.remove_suffix(1);
    }
    return text;
}
inline std::string_view Trimmed(std::string_view text, std::string_view blanks = kSpaces) {
    while (!text.empty() && IsAmong(text.front(), blanks)) {
        text.remove_prefix(1);
    }
    return TrimmedEnd(text, blanks);
}

// A record's text field as it reads: its NULs (a field never set) as blanks,
// without the blanks at its end. Two fields that read the same are the same text.
std::string ShownText(std::string_view field);

// Case folding of the ASCII letters; other bytes stay as they are.
inline char LowerCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
inline char UpperCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
// The text on one line that drives nothing: every control character, line
// breaks among them, shown as "?".
std::string ControlsShown(std::string_view text);

std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);
bool SameIgnoringCase(std::string_view a, std::string_view b);
// Alphabetical order ignoring case; texts that differ only in case keep a fixed order.
bool LessIgnoringCase(std::string_view a, std::string_view b);

// The leading number of a text, as typed numbers are read: "3 turrets" reads 3,
// " -1.5e2x" reads -150, "abc" and "" read 0, and so does a magnitude beyond
// the range of a double.
double LeadingNumber(std::string_view text);

}  // namespace korvane
