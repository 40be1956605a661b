#include "cli/print_commands.h"

#include <ostream>

#include "app/session.h"
#include "cli/cli_session.h"
#include "cli/exit_codes.h"
#include "cli/terminal_text.h"
#include "pdf/profile_pdf.h"
#include "reports/report_context.h"

namespace korvane::cli {

int RunPrintPdf(const std::string& pdf_file, const std::string& design_file, std::ostream& out,
                std::ostream& err) {
    Session session;
    if (!OpenDesign(session, design_file, err)) {
        return kFileError;
    }
    const Status written = pdf::WriteProfilePdf(
        pdf_file, session.design, ReportContextFor(session.CurrentDesignPath, Today()));
    if (!written) {
        err << TerminalMessage(written.message()) << '\n';
        return kFileError;
    }
    out << "Printed the profile of " << TerminalMessage(session.CurrentDesignPath) << " to "
        << TerminalMessage(pdf_file) << '\n';
    return kDone;
}

}  // namespace korvane::cli
