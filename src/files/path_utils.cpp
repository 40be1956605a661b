#include "files/path_utils.h"

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

}  // namespace korvane
