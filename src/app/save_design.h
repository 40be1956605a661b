#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

#include "app/session.h"
#include "model/result.h"

namespace korvane {

// Saves the session's design to `file` with its companions: the design file,
// then the profile file and the HTML page beside it, and marks the design as
// saved. Asks nothing: the window that saves has chosen the file.
//
// Every file is checked before the first is written: each must be absent or a
// regular file that may be written, the profile file and the page must not
// be links out of the design's folder, and no two may be one file. A notes
// file that is such a link is left out, and NotesProblem says why.
//
// The file becomes CurrentDesignPath and the most recent file (unless the list
// is frozen) once the design file is written. A failure is returned with the
// path: the old files stay as they were and the design stays marked as changed.
//
// A save over the current design file refuses, with nothing written, when
// another program has written that file since this one read or saved it
// (ChangedSinceRead), even while the save runs: the check and the replace are
// one step (WriteReplaceableUnlessChanged). The refusal reads
// "<file>: " + kChangedSinceRead. A caller that means to overwrite the file
// clears CurrentDesignStamp first.
Status SaveDesign(Session& session, const std::string& file, std::chrono::sys_days today);

// The same for the design found by `name` in a folder the program has opened:
// a link may lead neither the design file nor its companions out of it.
Status SaveDesignIn(Session& session, const std::shared_ptr<const OpenedFolder>& folder,
                    std::string_view name, std::chrono::sys_days today);

// Whether `file` is the current design file and is no longer as this program
// last read or wrote it: replaced, rewritten, grown or touched meanwhile. A
// file that is gone has nothing to lose and counts as unchanged.
bool ChangedSinceRead(const Session& session, const std::string& file);

}  // namespace korvane
