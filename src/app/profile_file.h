#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <unordered_set>

#include "app/session.h"
#include "files/atomic_write.h"
#include "model/result.h"

namespace korvane {

// The profile text and the HTML page of a design, made before they are written.
struct ReportFiles {
    std::string notes_file;  // the notes file copied in, or the name a new one gets
    std::string profile;
    std::string page;
    std::string notes_problem;  // why the notes file was left out, when it was
};

// The reports of the design to be saved at `design_path`, with its notes file
// (found in `folder`, the design's, whatever the case of ".K2N", among `listed`
// when given: see FindNotesFile; left out when it is a link out of the
// folder). Reads the design only.
ReportFiles MakeReportFiles(const Design& design, const OpenedFolder& folder,
                            std::string_view design_path, std::chrono::sys_days today,
                            const std::unordered_set<std::string>* listed = nullptr);

// The profile text file beside the current design (its companion ".K2P", as
// `found` by the save's check), with the design's notes copied in. Records the
// notes file in NotesFileName.
Status WriteProfileFile(Session& session, const ReportFiles& reports, const ReplaceableFile& found);

// The HTML page beside the current design (its companion ".htm", as `found` by
// the save's check). Records the page in LastPagePath for the web index, and
// the notes file in NotesFileName.
Status WriteHtmlPageFile(Session& session, const ReportFiles& reports,
                         const ReplaceableFile& found);

// The same with the page made now from the current design.
Status WriteHtmlPageFile(Session& session, std::chrono::sys_days today);

}  // namespace korvane
