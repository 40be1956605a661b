#include "app/save_design.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

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

// Every file of the save is checked before the first is written, so that a
// companion that cannot be replaced leaves the design file as it was too; the
// writes go by what the check found. The profile file and the page are found
// by name beside the design, so a link among them must stay in the design's
// folder; the design file the user named may lead anywhere. No two may be one
// file, or the save would write one of its files over another.
Result<std::array<ReplaceableFile, 3>> CheckSaveTargets(const std::string& file) {
    const std::array<std::string, 3> files = {file, ProfileFilePath(file), HtmlPagePath(file)};
    std::array<ReplaceableFile, 3> found;
    for (std::size_t i = 0; i < files.size(); ++i) {
        Result<ReplaceableFile> replaceable =
            i == 0 ? FindReplaceable(files[i]) : FindReplaceableInFolder(files[i]);
        if (!replaceable) {
            return Error{replaceable.message()};
        }
        found[i] = std::move(replaceable.value());
    }
    for (const auto& [one, other] : {std::pair{1, 0}, {2, 0}, {2, 1}}) {
        const std::optional<FileStamp> one_stamp = found[one].Stamp();
        const std::optional<FileStamp> other_stamp = found[other].Stamp();
        if (one_stamp && other_stamp && one_stamp->SameFile(*other_stamp)) {
            return Error{files[one] + ": is the same file as " + files[other] +
                         "; nothing was written"};
        }
    }
    return found;
}

// The same with the file as a look at it found it (`now`, none when it is gone).
bool ChangedSinceRead(const Session& session, const std::string& file,
                      const std::optional<FileStamp>& now) {
    return session.CurrentDesignStamp && file == session.CurrentDesignPath && now &&
           *now != *session.CurrentDesignStamp;
}

}  // namespace

bool ChangedSinceRead(const Session& session, const std::string& file) {
    return ChangedSinceRead(session, file, StampOf(file));
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
    const Result<std::array<ReplaceableFile, 3>> targets = CheckSaveTargets(file);
    if (!targets) {
        return targets.status();
    }
    const auto& [design_target, profile_target, page_target] = targets.value();
    // The validity the summary settles is stored in the design file.
    ShowStatusSummary(session.design);
    const ReportFiles reports =
        MakeReportFiles(session.design, file, today, session.ListedNotesFiles);
    if (ChangedSinceRead(session, file, design_target.Stamp())) {
        return Error{file + ": " + std::string(kChangedSinceRead)};
    }
    const Status design_written =
        WriteDesignFile(design_target, session.design, session.SaveDurability);
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
    const Status profile_written = WriteProfileFile(session, reports, profile_target);
    if (!profile_written) {
        return profile_written;
    }
    const Status page_written = WriteHtmlPageFile(session, reports, page_target);
    if (!page_written) {
        return page_written;
    }
    MarkSaved(session.design);
    return {};
}

}  // namespace korvane
