#include "reports/profile_file.h"

#include <optional>
#include <string>
#include <string_view>

#include "files/atomic_write.h"
#include "files/companion_files.h"
#include "reports/html_page.h"
#include "reports/profile_text.h"
#include "reports/report_context.h"

namespace korvane {

ReportContext CurrentReportContext(Session& session, std::chrono::sys_days today) {
    const std::string& design_path = session.CurrentDesignPath;
    const std::optional<std::filesystem::path> found = FindNotesFile(design_path);
    // An existing notes file whatever the case of its extension, otherwise the
    // name a new one gets.
    session.NotesFileName = found ? found->string() : NotesFilePath(design_path);
    return ReportContext{today, found ? ReadNotes(*found) : std::nullopt};
}

Status WriteProfileFile(const Session& session, const ReportContext& context) {
    return WriteFileAtomically(ProfileFilePath(session.CurrentDesignPath),
                               ProfileText(session.design, context));
}

Status WriteHtmlPageFile(Session& session, const ReportContext& context) {
    const std::string page = HtmlPagePath(session.CurrentDesignPath);
    const Status written = WriteFileAtomically(page, HtmlPageText(session.design, context));
    if (written) {
        session.LastPagePath = page;
    }
    return written;
}

}  // namespace korvane
