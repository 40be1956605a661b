#pragma once

#include <chrono>

#include "app/prompter.h"
#include "app/session.h"
#include "model/result.h"

namespace korvane {

enum class SaveMode { AskForFile, CurrentPath };

// Saves the session's design with its companions: the design file, then the
// profile file and the HTML page beside it, and marks the design as saved.
//
// AskForFile ("Save As...") asks for the file, proposing the current path in
// its folder, and asks before overwriting an existing file; a cancel, an empty
// name or "No" ends the save silently with nothing written. CurrentPath saves
// to CurrentDesignPath without a question.
//
// The file becomes CurrentDesignPath and the most recent file (unless the list
// is frozen) once the design file is written. A failure is returned with the
// path: the old files stay as they were and the design stays marked as changed.
Status SaveDesign(Session& session, SaveMode mode, Prompter& prompter, std::chrono::sys_days today);

}  // namespace korvane
