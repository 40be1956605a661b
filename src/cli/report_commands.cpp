#include "cli/report_commands.h"

#include <ostream>
#include <sstream>

#include "app/session.h"
#include "cli/cli_session.h"
#include "cli/exit_codes.h"
#include "cli/terminal_text.h"
#include "reports/feature_list.h"
#include "reports/html_page.h"
#include "reports/profile_text.h"
#include "reports/report_context.h"

namespace korvane::cli {

namespace {

using ReportWriter = void (*)(std::ostream&, const Design&, const ReportContext&);

int PrintReport(const std::string& file, ReportWriter write, std::ostream& out, std::ostream& err) {
    Session session;
    if (!OpenDesign(session, file, err)) {
        return OpenFailureCode(session);
    }
    std::ostringstream report;
    const ReportContext context = ReportContextFor(session.CurrentDesignPath, Today());
    PrintWarning(context.notes_problem, err);
    write(report, session.design, context);
    out << TerminalText(report.str());
    return kDone;
}

}  // namespace

int RunProfile(const std::string& file, std::ostream& out, std::ostream& err) {
    return PrintReport(file, WriteProfileText, out, err);
}

int RunHtml(const std::string& file, std::ostream& out, std::ostream& err) {
    return PrintReport(file, WriteHtmlPage, out, err);
}

int RunFeatures(const std::string& file, std::ostream& out, std::ostream& err) {
    Session session;
    if (!OpenDesign(session, file, err)) {
        return OpenFailureCode(session);
    }
    out << TerminalText(FeatureList(session.design));
    return kDone;
}

}  // namespace korvane::cli
