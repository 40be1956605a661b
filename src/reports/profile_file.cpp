#include "reports/profile_file.h"

#include <ostream>
#include <string>
#include <string_view>

#include "files/atomic_write.h"
#include "files/companion_files.h"
#include "reports/html_page.h"
#include "reports/profile_text.h"
#include "reports/report_context.h"

namespace korvane {

namespace {

// The notes file the reports read: an existing one whatever the case of its
// extension, otherwise the name a new one gets.
std::string NotesFileOf(std::string_view design_path) {
    if (const auto found = FindNotesFile(design_path)) {
        return found->string();
    }
    return NotesFilePath(design_path);
}

}  // namespace

Status WriteProfileFile(Session& session, std::chrono::sys_days today) {
    const std::string& design_path = session.CurrentDesignPath;
    session.NotesFileName = NotesFileOf(design_path);
    const ReportContext context = ReportContextFor(design_path, today);
    return WriteFileAtomically(ProfileFilePath(design_path), [&](std::ostream& out) {
        WriteProfileText(out, session.design, context);
    });
}

Status WriteHtmlPageFile(Session& session, std::chrono::sys_days today) {
    const std::string& design_path = session.CurrentDesignPath;
    session.NotesFileName = NotesFileOf(design_path);
    const ReportContext context = ReportContextFor(design_path, today);
    const std::string page = HtmlPagePath(design_path);
    const Status written = WriteFileAtomically(
        page, [&](std::ostream& out) { WriteHtmlPage(out, session.design, context); });
    if (written) {
        session.LastPagePath = page;
    }
    return written;
}

}  // namespace korvane
