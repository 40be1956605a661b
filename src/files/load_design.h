#pragma once

#include <string>

#include "app/prompter.h"
#include "app/session.h"
#include "model/result.h"

namespace korvane {

enum class LoadMode { AskForFile, CurrentPath };

// Loads the design file at `path` into the session's design: a complete, valid
// read replaces the design, becomes the current design path and the most recent
// file, is recalculated once and counts as saved. A file that cannot be read
// changes nothing, neither the design nor the path nor the recent files.
Status LoadDesignFile(Session& session, const std::string& path);

// AskForFile ("Load Design") asks for the file, opening in the current working
// folder; a cancel or an empty name changes nothing. CurrentPath loads
// CurrentDesignPath. The caller asks about unsaved changes first.
Status LoadDesign(Session& session, LoadMode mode, Prompter& prompter);

}  // namespace korvane
