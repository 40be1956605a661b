#include "cli/terminal_text.h"

#include <algorithm>
#include <iterator>

#include "model/cp1252.h"

namespace korvane::cli {

namespace {

enum class LineEnds { Kept, Shown };

bool IsControl(unsigned char c) {
    return (c < 0x20 && c != '\t') || c == 0x7F;
}

// The five bytes Windows-1252 leaves undefined read as C1 controls.
bool IsUndefinedInCp1252(unsigned char c) {
    return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

std::string SafeCp1252(std::string_view cp1252, LineEnds line_ends) {
    std::string text;
    text.reserve(cp1252.size());
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        const auto c = static_cast<unsigned char>(cp1252[i]);
        const bool crlf = c == '\r' && i + 1 < cp1252.size() && cp1252[i + 1] == '\n';
        if (c == '\0') {
            text += ' ';
        } else if (line_ends == LineEnds::Kept && crlf) {
            continue;  // the line feed follows
        } else if (line_ends == LineEnds::Kept && c == '\n') {
            text += '\n';
        } else if (IsControl(c) || IsUndefinedInCp1252(c)) {
            text += '?';
            i += crlf ? 1 : 0;  // one "?" for a CRLF
        } else {
            text += static_cast<char>(c);
        }
    }
    return Utf8FromCp1252(text);
}

}  // namespace

std::string TerminalText(std::string_view cp1252) {
    return SafeCp1252(cp1252, LineEnds::Kept);
}

std::string TerminalLine(std::string_view cp1252) {
    return SafeCp1252(cp1252, LineEnds::Shown);
}

namespace {

// A text that is UTF-8 when it is well-formed, otherwise Windows-1252.
std::string SafeText(std::string_view text, LineEnds line_ends) {
    if (!IsUtf8(text)) {
        return SafeCp1252(text, line_ends);
    }
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (c == '\r' && next == '\n') {
            continue;  // one line end, kept or shown as one "?"
        }
        if (c == '\n' && line_ends == LineEnds::Kept) {
            shown += '\n';
        } else if (IsControl(c)) {
            shown += '?';
        } else if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {
            shown += '?';  // a C1 control, U+0080 to U+009F
            ++i;
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown;
}

}  // namespace

std::string TerminalMessage(std::string_view text) {
    return SafeText(text, LineEnds::Kept);
}

std::string TerminalName(std::string_view text) {
    return SafeText(text, LineEnds::Shown);
}

std::string JsonText(std::string_view cp1252) {
    std::string text;
    std::copy_if(cp1252.begin(), cp1252.end(), std::back_inserter(text),
                 [](char c) { return c != '\0'; });
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return TerminalLine(text);
}

}  // namespace korvane::cli
