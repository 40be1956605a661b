#include "ui/editors/typed_number.h"

namespace korvane::ui {

bool StartsWithNumber(std::string_view text) {
    std::size_t pos = text.find_first_not_of(" \t");
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
    }
    return pos < text.size() && text[pos] >= '0' && text[pos] <= '9';
}

}  // namespace korvane::ui
