#include "cli/batch_commands.h"

#include <algorithm>
#include <ostream>
#include <thread>

#include "app/new_design.h"
#include "batch/batch_run.h"
#include "cli/cli_session.h"
#include "cli/exit_codes.h"
#include "cli/terminal_text.h"
#include "reports/report_context.h"

namespace korvane::cli {

namespace {

// Back to the start of the terminal line, and the line cleared.
constexpr const char* kClearLine = "\r\033[K";

}  // namespace

int DefaultBatchJobs() {
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMostBatchJobs);
}

int RunBatchCommand(const std::string& folder, bool web, int jobs, bool progress_line,
                    std::ostream& out, std::ostream& err) {
    Session session;
    if (!OpenConfiguredCatalog(session, err)) {
        return OpenFailureCode(session);
    }
    NewDesign(session.design, session.catalog->Features());
    BatchProgressCallback show_progress;
    if (progress_line) {
        show_progress = [&err](const BatchProgress& step) {
            err << kClearLine << TerminalLine(ProgressText(step)) << std::flush;
        };
    }
    const Result<BatchOutcome> outcome =
        RunBatch(session, folder, web ? BatchKind::ResaveAndWeb : BatchKind::Resave, Today(),
                 show_progress, jobs);
    if (progress_line) {
        err << kClearLine << std::flush;  // the progress line is gone once the run ends
    }
    if (!outcome) {
        err << TerminalMessage(outcome.message()) << '\n';
        return kFileError;
    }
    // A line end in a file name must not split its entry.
    for (const std::string& error : outcome.value().errors) {
        out << TerminalLine(error) << '\n';
    }
    return outcome.value().errors.empty() ? kDone : kProblemsFound;
}

}  // namespace korvane::cli
