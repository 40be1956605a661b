#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/configuration.h"
#include "app/session.h"
#include "ui/design_document.h"
#include "ui/prompter.h"

namespace korvane::ui {

// Main, the program's start, runs in this order: the title and version
// (AppTitle), the splash window with the busy pointer, the main window and the
// totals window created without showing them, then StartSession; the main
// window and the totals window are shown, then LoadCommandLineDesign, and the
// pointer is normal again; last, Recovery::Start offers what a program that
// ended without saving left.

// Opens the configured catalog, fills the rule tables and builds the new
// design, announced to the windows that show it. A configuration that names no
// usable folder is told about (the data folder serves). A catalog that cannot be opened is
// reported with its path, with the offer to recreate the standard catalog in
// its place (the unreadable file is kept beside it); false when the program
// has to end there.
bool StartSession(Session& session, Prompter& prompter, DesignDocument& document,
                  const ConfigurationPlaces& places);

// The design named on the command line (the arguments after the program's
// name, joined by blanks and trimmed) is loaded as the current design. A file
// that cannot be read is reported with the reader's message and the new
// design stays, with no current design path.
void LoadCommandLineDesign(Prompter& prompter, DesignDocument& document,
                           const std::vector<std::string>& arguments);

}  // namespace korvane::ui
