#include "app/save_design.h"

#include <string>

#include "app/profile_file.h"
#include "engine/status_summary.h"
#include "files/atomic_write.h"
#include "files/companion_files.h"
#include "files/design_file.h"
#include "files/recent_files.h"

namespace korvane {

namespace {

// A design named like one of its own companions ("ship.htm", "ship.K2P") would
// be overwritten by that companion a moment after it was written, or read as
// its own notes ("ship.K2N").
bool IsOwnCompanion(const std::string& file) {
    return file == ProfileFilePath(file) || file == NotesFilePath(file) ||
           file == HtmlPagePath(file);
}

}  // namespace

bool ChangedSinceRead(const Session& session, const std::string& file) {
    if (!session.CurrentDesignStamp || file != session.CurrentDesignPath) {
        return false;
    }
    const std::optional<FileStamp> now = StampOf(file);
    return now && *now != *session.CurrentDesignStamp;
}

Status SaveDesign(Session& session, const std::string& file, std::chrono::sys_days today) {
    if (file.empty()) {
        return Error{"No file to save the design to"};
    }
    if (IsOwnCompanion(file)) {
        return Error{file +
                     ": a design file cannot take the name of its own profile file, notes "
                     "file or page (.K2P, .K2N, .htm); choose a name ending in .k2d"};
    }
    // A read-only profile or page stops the save before anything is written;
    // a read-only design file stops it in its own write, the first one.
    for (const std::string& target : {ProfileFilePath(file), HtmlPagePath(file)}) {
        const Status replaceable = CheckReplaceable(target);
        if (!replaceable) {
            return replaceable;
        }
    }
    // The validity the summary settles is stored in the design file.
    ShowStatusSummary(session.design);
    const ReportFiles reports = MakeReportFiles(session.design, file, today);
    if (ChangedSinceRead(session, file)) {
        return Error{file + ": " + std::string(kChangedSinceRead)};
    }
    const Status design_written = WriteDesignFile(file, session.design, session.SaveDurability);
    if (!design_written) {
        return design_written;
    }
    session.CurrentDesignPath = file;
    session.CurrentDesignStamp = StampOf(file);
    session.RecentFileProblem.clear();
    if (!session.RecentListFrozen) {
        // The design is saved even when the catalog cannot record it among the
        // recent files (a read-only catalog); the caller tells the user.
        const Status recorded = RememberRecentFile(*session.catalog, file);
        if (!recorded) {
            session.RecentFileProblem = recorded.message();
        }
    }
    const Status profile_written = WriteProfileFile(session, reports);
    if (!profile_written) {
        return profile_written;
    }
    const Status page_written = WriteHtmlPageFile(session, reports);
    if (!page_written) {
        return page_written;
    }
    MarkSaved(session.design);
    return {};
}

}  // namespace korvane
