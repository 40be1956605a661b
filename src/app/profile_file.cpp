#include "app/profile_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "files/atomic_write.h"
#include "files/companion_files.h"
#include "reports/html_page.h"
#include "reports/profile_text.h"
#include "reports/report_context.h"

namespace korvane {

namespace {

// The notes file of the design at `design_path`, when there is one, and the
// context the reports are made with.
std::pair<std::string, ReportContext> NotesAndContext(
    std::string_view design_path, std::chrono::sys_days today,
    const std::unordered_set<std::string>* listed = nullptr) {
    const std::optional<std::filesystem::path> found = FindNotesFile(design_path, listed);
    return {found ? found->string() : NotesFilePath(design_path),
            ReportContextWithNotes(found, today)};
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

ReportFiles MakeReportFiles(const Design& design, std::string_view design_path,
                            std::chrono::sys_days today,
                            const std::unordered_set<std::string>* listed) {
    auto [notes_file, context] = NotesAndContext(design_path, today, listed);
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
    auto [notes_file, context] = NotesAndContext(session.CurrentDesignPath, today);
    session.NotesFileName = std::move(notes_file);
    const Result<ReplaceableFile> found = FindReplaceable(HtmlPagePath(session.CurrentDesignPath));
    if (!found) {
        return found.status();
    }
    return WritePage(session, HtmlPageText(session.design, context), found.value());
}

}  // namespace korvane
