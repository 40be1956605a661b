#pragma once

#include <string>
#include <string_view>

namespace korvane::cli {

// Texts for the terminal, in UTF-8. A name from a design, a catalog or the file
// system must not drive the terminal, so every control character that could
// (escape sequences, carriage returns, backspaces, the C1 controls) is shown as
// "?"; tabs are kept.

// A Windows-1252 text such as a report: a NUL of a never-set field shown as a
// blank, CRLF and LF line ends as line feeds.
std::string TerminalText(std::string_view cp1252);

// One line of a list (a problem, an entry of the batch error list), in
// Windows-1252: as TerminalText, but a line end inside it shows as "?" too, so
// that it stays one line.
std::string TerminalLine(std::string_view cp1252);

// A Windows-1252 field for JSON or a one-line listing: NULs dropped, trailing
// blanks removed, otherwise as TerminalLine.
std::string JsonText(std::string_view cp1252);

// A message of the program, which may name paths: UTF-8 when it is
// well-formed, otherwise read as Windows-1252; line ends kept.
std::string TerminalMessage(std::string_view text);
// A name in a message (a file's, a family's): as TerminalMessage, but a line
// end inside it shows as "?" too, so that it cannot start a line of its own.
std::string TerminalName(std::string_view text);

}  // namespace korvane::cli
