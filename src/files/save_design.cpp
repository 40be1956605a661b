#include "files/save_design.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "engine/status_summary.h"
#include "files/background_thread.h"
#include "files/companion_files.h"
#include "files/design_file.h"
#include "files/path_utils.h"
#include "files/recent_files.h"
#include "reports/profile_file.h"

namespace korvane {

namespace {

// The file "Save As..." writes to, or no value when the user backs out.
std::optional<std::string> ChooseSaveFile(const Session& session, Prompter& prompter) {
    FileDialogRequest request{"Save As...", "Ship design files", "*.k2d", "*.k2d", ""};
    const std::string& current = session.CurrentDesignPath;
    if (!current.empty()) {
        request.initial_name = current;
        request.initial_folder = current.substr(0, LastSeparatorPos(current));
    }
    std::optional<std::string> chosen = prompter.AskSaveFile(request);
    if (!chosen || chosen->empty()) {
        return std::nullopt;
    }
    std::error_code error;
    if (std::filesystem::exists(*chosen, error) &&
        !prompter.AskYesNo("Save Design File Exists", "Warning! File exists; overwrite?",
                           MessageIcon::Warning)) {
        return std::nullopt;
    }
    return chosen;
}

// A design named like one of its own companions ("ship.htm", "ship.K2P") would
// be overwritten by that companion a moment after it was written, or read as
// its own notes ("ship.K2N").
bool IsOwnCompanion(const std::string& file) {
    return file == ProfileFilePath(file) || file == NotesFilePath(file) ||
           file == HtmlPagePath(file);
}

Status WriteDesignAndCompanions(Session& session, const std::string& file,
                                std::chrono::sys_days today) {
    if (IsOwnCompanion(file)) {
        return Error{file +
                     ": a design file cannot take the name of its own profile file, notes "
                     "file or page (.K2P, .K2N, .htm); choose a name ending in .k2d"};
    }
    // The validity the summary settles is stored in the design file.
    ShowStatusSummary(session.design);
    // The reports are offered to a second thread, made from a copy of the
    // design, while the design file is written; they are written after it, in
    // order. The copy keeps the task apart from whatever happens to the session.
    OfferedTask<ReportFiles> reports = ReportThread().Offer<ReportFiles>(
        [design = session.design, file, today] { return MakeReportFiles(design, file, today); });
    const Status design_written = WriteDesignFile(file, session.design);
    if (!design_written) {
        return design_written;
    }
    session.CurrentDesignPath = file;
    if (!session.RecentListFrozen) {
        // The design is saved even when the catalog cannot record it among the
        // recent files (a read-only catalog): that list is a convenience only.
        RememberRecentFile(*session.catalog, file).ok();
    }
    const ReportFiles made = reports.Take();
    const Status profile_written = WriteProfileFile(session, made);
    if (!profile_written) {
        return profile_written;
    }
    const Status page_written = WriteHtmlPageFile(session, made);
    if (!page_written) {
        return page_written;
    }
    MarkSaved(session.design);
    return {};
}

}  // namespace

Status SaveDesign(Session& session, SaveMode mode, Prompter& prompter,
                  std::chrono::sys_days today) {
    if (mode == SaveMode::CurrentPath) {
        if (session.CurrentDesignPath.empty()) {
            return Error{"No file to resave"};
        }
        return WriteDesignAndCompanions(session, session.CurrentDesignPath, today);
    }
    const std::optional<std::string> file = ChooseSaveFile(session, prompter);
    if (!file) {
        return {};
    }
    return WriteDesignAndCompanions(session, *file, today);
}

}  // namespace korvane
