#include "app/profile_file.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "files/atomic_write.h"
#include "files/companion_files.h"
#include "files/path_utils.h"
#include "reports/html_page.h"
#include "reports/profile_text.h"
#include "reports/report_context.h"

namespace korvane {

namespace {

// The notes file of the design at `design_path`, in `folder`, when there is
// one, and the context the reports are made with.
std::pair<std::string, ReportContext> NotesAndContext(
    const OpenedFolder& folder, std::string_view design_path, std::chrono::sys_days today,
    const std::unordered_set<std::string>* listed = nullptr) {
    const auto name_start = static_cast<std::size_t>(LastSeparatorPos(design_path));
    const std::optional<std::string> found =
        FindNotesFileIn(folder, design_path.substr(name_start), listed);
    return {found ? std::string(design_path.substr(0, name_start)) + *found
                  : NotesFilePath(design_path),
            ReportContextWithNotes(&folder, found, today)};
}

Status WritePage(Session& session, const std::string& page_text, const ReplaceableFile& found) {
    const Status written =
        WriteReplaceable(found, page_text, session.SaveDurability, session.CurrentDesignPath);
    if (written) {
        session.LastPagePath = found.named.string();
    }
    return written;
}

}  // namespace

ReportFiles MakeReportFiles(const Design& design, const OpenedFolder& folder,
                            std::string_view design_path, std::chrono::sys_days today,
                            const std::unordered_set<std::string>* listed) {
    auto [notes_file, context] = NotesAndContext(folder, design_path, today, listed);
    return {std::move(notes_file), ProfileText(design, context), HtmlPageText(design, context),
            context.notes_problem};
}

Status WriteProfileFile(Session& session, const ReportFiles& reports,
                        const ReplaceableFile& found) {
    session.NotesFileName = reports.notes_file;
    return WriteReplaceable(found, reports.profile, session.SaveDurability,
                            session.CurrentDesignPath);
}

Status WriteHtmlPageFile(Session& session, const ReportFiles& reports,
                         const ReplaceableFile& found) {
    session.NotesFileName = reports.notes_file;
    return WritePage(session, reports.page, found);
}

Status WriteHtmlPageFile(Session& session, std::chrono::sys_days today) {
    const std::string& design_path = session.CurrentDesignPath;
    const Result<std::shared_ptr<const OpenedFolder>> folder =
        OpenedFolder::Open(std::filesystem::path(design_path).parent_path());
    if (!folder) {
        return folder.status();
    }
    auto [notes_file, context] = NotesAndContext(*folder.value(), design_path, today);
    session.NotesFileName = std::move(notes_file);
    const std::string page = HtmlPagePath(design_path);
    const Result<ReplaceableFile> found = FindReplaceableIn(
        folder.value(), page.substr(static_cast<std::size_t>(LastSeparatorPos(page))), page);
    if (!found) {
        return found.status();
    }
    return WritePage(session, HtmlPageText(session.design, context), found.value());
}

}  // namespace korvane
