#include "app/save_design.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#include "app/profile_file.h"
#include "engine/status_summary.h"
#include "files/atomic_write.h"
#include "files/companion_files.h"
#include "files/design_file.h"
#include "files/folder_links.h"
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

// Two names of one file: a save would write one of its files over another.
Status CheckDistinct(const std::string& file, const std::string& other) {
    std::error_code error;
    if (std::filesystem::equivalent(file, other, error)) {
        return Error{file + ": is the same file as " + other + "; nothing was written"};
    }
    return {};
}

// Every file of the save is checked before the first is written, so that a
// companion that cannot be replaced leaves the design file as it was too. The
// profile file and the page are found by name beside the design, so a link
// among them must stay in the design's folder; the design file the user named
// may lead anywhere.
Status CheckSaveTargets(const std::string& file) {
    Status status = CheckReplaceable(file);
    const std::string profile = ProfileFilePath(file);
    const std::string page = HtmlPagePath(file);
    for (const std::string& companion : {profile, page}) {
        for (const auto& check : {CheckLinkStaysInFolder, CheckReplaceable}) {
            if (status) {
                status = check(companion);
            }
        }
    }
    for (const auto& [one, other] : {std::pair{profile, file}, {page, file}, {page, profile}}) {
        if (status) {
            status = CheckDistinct(one, other);
        }
    }
    return status;
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
    const Status writable = CheckSaveTargets(file);
    if (!writable) {
        return writable;
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
    session.NotesProblem = reports.notes_problem;
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
