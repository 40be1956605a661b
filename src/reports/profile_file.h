#pragma once

#include <chrono>

#include "app/session.h"
#include "model/result.h"
#include "reports/report_context.h"

namespace korvane {

// What the reports of the current design are written with: today and the
// design's notes, looked up once. Records the notes file in NotesFileName (an
// existing one whatever the case of ".K2N", else the name a new one gets).
ReportContext CurrentReportContext(Session& session, std::chrono::sys_days today);

// The profile text file beside the current design (its companion ".K2P"), with
// the design's notes copied in.
Status WriteProfileFile(const Session& session, const ReportContext& context);

// The HTML page beside the current design (its companion ".htm"). Records the
// page in LastPagePath for the web index.
Status WriteHtmlPageFile(Session& session, const ReportContext& context);

}  // namespace korvane
