#include "app/save_design.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "app/profile_file.h"
#include "engine/status_summary.h"
#include "files/atomic_write.h"
#include "files/companion_files.h"
#include "files/design_file.h"
#include "files/path_utils.h"
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

// The name of the file at `path` in its folder.
std::string NameInFolder(const std::string& path) {
    return path.substr(static_cast<std::size_t>(LastSeparatorPos(path)));
}

// Every file of the save is checked before the first is written, so that a
// companion that cannot be replaced leaves the design file as it was too; the
// writes go by what the check found. The profile file and the page are found
// by name in the design's folder, so a link among them is followed only to a
// file of that folder. No two may be one file, or the save would write one of
// its files over another.
Result<std::array<ReplaceableFile, 3>> CheckSaveTargets(
    const std::string& file, ReplaceableFile design_target,
    const std::shared_ptr<const OpenedFolder>& folder) {
    const std::array<std::string, 3> files = {file, ProfileFilePath(file), HtmlPagePath(file)};
    std::array<ReplaceableFile, 3> found{std::move(design_target)};
    for (std::size_t i = 1; i < files.size(); ++i) {
        Result<ReplaceableFile> replaceable =
            FindReplaceableIn(folder, NameInFolder(files[i]), files[i]);
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

// How the file read as the current design looked then, when `file` is that file.
std::optional<FileStamp> StampWhenRead(const Session& session, const std::string& file) {
    return file == session.CurrentDesignPath ? session.CurrentDesignStamp : std::nullopt;
}

Status RefuseOwnCompanion(const std::string& file) {
    return Error{file +
                 ": a design file cannot take the name of its own profile file, notes "
                 "file or page (.K2P, .K2N, .htm); choose a name ending in .k2d"};
}

// Saves to `file`, which `find_design` finds, with its companions in
// `folder`, the design's folder. Another save of this program waits until
// this one is done, and then finds the files as this one left them.
Status SaveTo(Session& session, const std::string& file,
              const std::function<Result<ReplaceableFile>()>& find_design,
              const std::shared_ptr<const OpenedFolder>& folder, std::chrono::sys_days today) {
    const Result<ReplaceableFile> to_lock = find_design();
    if (!to_lock) {
        return to_lock.status();
    }
    const FileDescriptor lock = LockReplaceable(to_lock.value());
    const Result<ReplaceableFile> design_target = find_design();
    if (!design_target) {
        return design_target.status();
    }
    const Result<std::array<ReplaceableFile, 3>> targets =
        CheckSaveTargets(file, design_target.value(), folder);
    if (!targets) {
        return targets.status();
    }
    const auto& [checked_design, profile_target, page_target] = targets.value();
    // The validity the summary settles is stored in the design file.
    ShowStatusSummary(session.design);
    const ReportFiles reports =
        MakeReportFiles(session.design, *folder, file, today, session.ListedNotesFiles);
    const Result<FileStamp> design_written = WriteDesignFile(
        checked_design, session.design, session.SaveDurability, StampWhenRead(session, file));
    if (!design_written) {
        return design_written.status();
    }
    session.CurrentDesignPath = file;
    session.CurrentDesignStamp = design_written.value();
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

}  // namespace

bool ChangedSinceRead(const Session& session, const std::string& file) {
    const std::optional<FileStamp> read = StampWhenRead(session, file);
    const std::optional<FileStamp> now = StampOf(file);
    return read && now && *now != *read;
}

Status SaveDesign(Session& session, const std::string& file, std::chrono::sys_days today) {
    if (file.empty()) {
        return Error{"No file to save the design to"};
    }
    if (IsOwnCompanion(file)) {
        return RefuseOwnCompanion(file);
    }
    int error = 0;
    const std::shared_ptr<const OpenedFolder> folder =
        OpenedFolder::Open(std::filesystem::path(file).parent_path(), error);
    if (!folder) {
        return Error{file + ": cannot be written (" + std::strerror(error) + ")"};
    }
    // The design file the user named may lead anywhere.
    return SaveTo(
        session, file, [&file] { return FindReplaceable(file); }, folder, today);
}

Status SaveDesignIn(Session& session, const std::shared_ptr<const OpenedFolder>& folder,
                    std::string_view name, std::chrono::sys_days today) {
    const std::string file = folder->PathOf(name).string();
    if (IsOwnCompanion(file)) {
        return RefuseOwnCompanion(file);
    }
    return SaveTo(
        session, file, [&] { return FindReplaceableIn(folder, name, file); }, folder, today);
}

}  // namespace korvane
