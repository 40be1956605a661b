#include "cli/pdf_module/pdf_module.h"

#include <type_traits>

#include "pdf/profile_pdf.h"

extern "C" __attribute__((visibility("default"))) bool korvane_write_profile_pdf(
    const char* pdf_file, const korvane::Design* design, const korvane::ReportContext* context,
    std::string* message) {
    const korvane::Status written = korvane::pdf::WriteProfilePdf(pdf_file, *design, *context);
    if (!written) {
        *message = written.message();
        return false;
    }
    return true;
}

static_assert(
    std::is_same_v<decltype(&korvane_write_profile_pdf), korvane::cli::WriteProfilePdfEntry>);
