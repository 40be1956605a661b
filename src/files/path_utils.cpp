#include "files/path_utils.h"

#include <algorithm>
#include <cctype>

#include <unistd.h>

namespace korvane {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

std::string_view TrimmedBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

int LastSeparatorPos(std::string_view text) {
    const auto found = text.rfind(kSeparator);
    return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

std::string WithTrailingSeparator(std::string& text) {
    if (text.empty() || text.back() != kSeparator) {
        text += kSeparator;
    }
    return text;
}

std::string EnvironmentValue(std::string_view name) {
    // The whole variable name must match: asking for "HOME" must not answer
    // with the value of a "HOMEDRIVE" that happens to come first.
    for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
        const std::string_view text(*entry);
        const auto equals = text.find('=');
        if (equals != std::string_view::npos && SameIgnoringCase(text.substr(0, equals), name)) {
            return std::string(TrimmedBlanks(text.substr(equals + 1)));
        }
    }
    return {};
}

}  // namespace korvane
