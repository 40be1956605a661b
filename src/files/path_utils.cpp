#include "files/path_utils.h"

#include <unistd.h>

#include "model/text_helpers.h"

namespace korvane {

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
            return std::string(Trimmed(text.substr(equals + 1)));
        }
    }
    return {};
}

}  // namespace korvane
