#pragma once

#include <iosfwd>
#include <string>

namespace korvane::cli {

// Writes the default new design as a design file.
int RunNew(const std::string& file, std::ostream& out, std::ostream& err);

// Starts as the program does, loads the design file as the main window's load
// does (one recalculation, nothing more) and prints what the totals window shows:
// as text, or with `json` as one JSON object for other tools.
int RunShow(const std::string& file, bool json, std::ostream& out, std::ostream& err);

}  // namespace korvane::cli
