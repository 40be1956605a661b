#pragma once

#include <string>
#include <string_view>

#include "model/result.h"

namespace korvane {

// Windows-1252 is the code page of every text field and file; UTF-8 is spoken
// only at the edges (widgets, terminal, JSON, the SQLite catalog).
std::string Utf8FromCp1252(std::string_view bytes);

// A character with no Windows-1252 form, or a malformed UTF-8 sequence, becomes "?".
std::string Cp1252FromUtf8(std::string_view utf8);

// The same conversion refusing what it cannot keep: a character with no
// Windows-1252 form (the C1 controls included) or malformed UTF-8.
Result<std::string> Cp1252FromUtf8Exactly(std::string_view utf8);

// True when `text` is well-formed UTF-8 (plain ASCII is).
bool IsUtf8(std::string_view text);

}  // namespace korvane
