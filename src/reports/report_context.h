#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/opened_folder.h"

namespace korvane {

// What the reports need besides the design: today's date for the credit line
// and the lines of the design's notes file, when it exists.
struct ReportContext {
    std::chrono::sys_days today{};
    std::optional<std::vector<std::string>> notes;  // Windows-1252 lines, line ends removed
    // Why a notes file that is there was left out (a link leading out of the
    // design's folder); empty when it was not.
    std::string notes_problem;
};

// Today: the day of SOURCE_DATE_EPOCH when that is set (reproducible output),
// otherwise of the clock.
std::chrono::sys_days Today();

// The context of the design saved at `design_path`: its notes file (found
// whatever the case of its extension) is read when it exists, unless it is a
// link that leads out of the design's folder.
ReportContext ReportContextFor(std::string_view design_path, std::chrono::sys_days today);

// The same with the notes file the caller has found already (FindNotesFile),
// so that the file it names or reports on is the one the reports read.
ReportContext ReportContextWithNotes(const std::optional<std::filesystem::path>& notes_file,
                                     std::chrono::sys_days today);
// The same with the notes file found by `notes_name` in `folder`, which a
// link may not lead out of (none: no notes are read).
ReportContext ReportContextWithNotes(const OpenedFolder* folder,
                                     const std::optional<std::string>& notes_name,
                                     std::chrono::sys_days today);

}  // namespace korvane
