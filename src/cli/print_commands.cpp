#include "cli/print_commands.h"

#include <dlfcn.h>

#include <filesystem>
#include <ostream>
#include <system_error>

#include "app/session.h"
#include "cli/cli_session.h"
#include "cli/exit_codes.h"
#include "cli/output_checks.h"
#include "cli/pdf_module/pdf_module.h"
#include "cli/terminal_text.h"
#include "files/companion_files.h"
#include "model/result.h"
#include "reports/report_context.h"

namespace korvane::cli {

namespace {

// The PDF module in its folder relative to this program's own file (the same in
// the build tree as installed). It stays loaded until the program ends: Qt does
// not expect to be unloaded.
Result<WriteProfilePdfEntry> LoadPdfModule() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return Error{
            "The PDF printing module cannot be found: this program's own file is "
            "unknown (" +
            error.message() + ")"};
    }
    const std::filesystem::path module =
        (program.parent_path() / KORVANE_PDF_MODULE_DIR / kPdfModuleFile).lexically_normal();
    void* handle = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return Error{module.string() + ": the PDF printing module cannot be loaded (" +
                     ::dlerror() + ")"};
    }
    void* entry = ::dlsym(handle, kPdfModuleEntry);
    if (entry == nullptr) {
        return Error{module.string() + ": not the PDF printing module of this program"};
    }
    return reinterpret_cast<WriteProfilePdfEntry>(entry);
}

}  // namespace

int RunPrintPdf(const std::string& pdf_file, const std::string& design_file, std::ostream& out,
                std::ostream& err) {
    Session session;
    if (!OpenDesign(session, design_file, err)) {
        return OpenFailureCode(session);
    }
    const Result<WriteProfilePdfEntry> write_profile_pdf = LoadPdfModule();
    if (!write_profile_pdf) {
        err << TerminalMessage(write_profile_pdf.message()) << '\n';
        return kFileError;
    }
    const std::optional<std::filesystem::path> notes = FindNotesFile(session.CurrentDesignPath);
    const std::optional<std::string> refused = SameFileAsInput(
        pdf_file, {session.CurrentDesignPath, notes.value_or(""), session.CatalogPath()});
    if (refused) {
        err << TerminalMessage(*refused) << '\n';
        return kUsageError;
    }
    const ReportContext context = ReportContextWithNotes(notes, Today());
    PrintWarning(context.notes_problem, err);
    std::string message;
    if (!write_profile_pdf.value()(pdf_file.c_str(), &session.design, &context, &message)) {
        err << TerminalMessage(message) << '\n';
        return kFileError;
    }
    out << "Printed the profile of " << TerminalName(session.CurrentDesignPath) << " to "
        << TerminalName(pdf_file) << '\n';
    return kDone;
}

}  // namespace korvane::cli
