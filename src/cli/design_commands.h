#pragma once

#include <iosfwd>
#include <string>

namespace korvane::cli {

// Saves the default new design as a design file, with its profile file and page.
// An existing `file` is replaced only with `force` (kUsageError otherwise): a
// new design is worth less than any design it could replace.
int RunNew(const std::string& file, bool force, std::ostream& out, std::ostream& err);

// Starts as the program does, loads the design file as the main window's load
// does (one recalculation, nothing more) and prints what the totals window shows:
// as text, or with `json` as one JSON object for other tools.
int RunShow(const std::string& file, bool json, std::ostream& out, std::ostream& err);

// Does for one design what the batch run does for a folder: loads it, recalculates
// it and saves it again with its profile file and page, leaving the recent files
// alone. A design that breaks a limit is saved too; its problems are printed and
// the result is kProblemsFound.
int RunResave(const std::string& file, std::ostream& out, std::ostream& err);

}  // namespace korvane::cli
