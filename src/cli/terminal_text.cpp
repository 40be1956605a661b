#include "cli/terminal_text.h"

#include "model/cp1252.h"

namespace korvane::cli {

std::string TerminalText(std::string_view cp1252) {
    std::string text;
    text.reserve(cp1252.size());
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        const char c = cp1252[i];
        if (c == '\r' && i + 1 < cp1252.size() && cp1252[i + 1] == '\n') {
            continue;
        }
        text += c == '\0' ? ' ' : c;
    }
    return Utf8FromCp1252(text);
}

}  // namespace korvane::cli
