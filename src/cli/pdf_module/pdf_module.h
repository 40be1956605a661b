#pragma once

#include <string>

#include "model/design.h"
#include "reports/report_context.h"

namespace korvane::cli {

// `print --pdf` draws its pages with Qt. So that the tool's other commands
// start without loading Qt's libraries, the drawing lives in a module of its
// own, in a private library folder, which that command alone loads.
inline constexpr const char* kPdfModuleFile = "korvane-cli-pdf.so";
inline constexpr const char* kPdfModuleEntry = "korvane_write_profile_pdf";

// The module's entry: writes the printed profile of a recalculated design to
// `pdf_file`; false, with the reason in `message`, when it could not.
using WriteProfilePdfEntry = bool (*)(const char* pdf_file, const Design* design,
                                      const ReportContext* context, std::string* message);

}  // namespace korvane::cli
