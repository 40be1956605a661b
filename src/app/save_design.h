#pragma once

#include <chrono>
#include <string>

#include "app/session.h"
#include "model/result.h"

namespace korvane {

// Saves the session's design to `file` with its companions: the design file,
// then the profile file and the HTML page beside it, and marks the design as
// saved. Asks nothing: the window that saves has chosen the file.
//
// The file becomes CurrentDesignPath and the most recent file (unless the list
// is frozen) once the design file is written. A failure is returned with the
// path: the old files stay as they were and the design stays marked as changed.
Status SaveDesign(Session& session, const std::string& file, std::chrono::sys_days today);

}  // namespace korvane
