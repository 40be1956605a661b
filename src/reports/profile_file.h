#pragma once

#include <chrono>

#include "app/session.h"
#include "model/result.h"

namespace korvane {

// The profile text file beside the current design (its companion ".K2P"), with
// the design's notes copied in. Records the notes file in NotesFileName.
Status WriteProfileFile(Session& session, std::chrono::sys_days today);

// The HTML page beside the current design (its companion ".htm"). Records the
// page in LastPagePath for the web index, and the notes file in NotesFileName.
Status WriteHtmlPageFile(Session& session, std::chrono::sys_days today);

}  // namespace korvane
