#pragma once

#include <string>
#include <string_view>

namespace korvane::cli {

// A Windows-1252 text for the terminal: UTF-8, a NUL of a never-set field shown
// as a blank, CRLF line ends as plain line feeds.
std::string TerminalText(std::string_view cp1252);

}  // namespace korvane::cli
