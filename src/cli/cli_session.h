#pragma once

#include <iosfwd>
#include <string>

#include "app/session.h"

namespace korvane::cli {

// Opens the configured catalog as the program does at start-up. On failure the
// message goes to `err` and the result is false.
bool OpenConfiguredCatalog(Session& session, std::ostream& err);

// The exit code after OpenConfiguredCatalog or OpenDesign failed: the catalog
// in use by another program, or a file that could not be read.
int OpenFailureCode(const Session& session);

// `file` as the recent-files list keeps it: absolute, so that the program finds
// it again from any folder. The current folder is put before it and nothing is
// taken out: "link/../x.k2d" goes on naming the file the system opens, which a
// textual removal of "link/.." would change.
std::string AbsolutePath(const std::string& file);

// A warning that does not stop the command (a notes file left out, a recent
// list not updated), on a line of its own; nothing when it is empty.
void PrintWarning(const std::string& warning, std::ostream& err);

// Starts as the program does (the configured catalog, the new design) and loads
// `file` as the main window's load does: one recalculation, nothing more; the
// absolute path becomes the current design path. On failure the message goes
// to `err` and the result is false.
bool OpenDesign(Session& session, const std::string& file, std::ostream& err);

}  // namespace korvane::cli
