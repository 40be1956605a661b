#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "app/session.h"
#include "model/result.h"

namespace korvane {

// The profile text and the HTML page of a design, made before they are written.
struct ReportFiles {
    std::string notes_file;  // the notes file copied in, or the name a new one gets
    std::string profile;
    std::string page;
};

// The reports of the design to be saved at `design_path`, with its notes file
// (found whatever the case of ".K2N"). Reads the design only.
ReportFiles MakeReportFiles(const Design& design, std::string_view design_path,
                            std::chrono::sys_days today);

// Writes the profile text file and then the HTML page beside the current
// design (its companions ".K2P" and ".htm"). Records the notes file in
// NotesFileName, and the page in LastPagePath for the web index.
Status WriteReportFiles(Session& session, const ReportFiles& reports);

// The HTML page of the current design alone, made now; records the notes file
// and the page as WriteReportFiles does.
Status WriteHtmlPageFile(Session& session, std::chrono::sys_days today);

}  // namespace korvane
