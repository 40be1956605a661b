#pragma once

#include <filesystem>

#include "model/design.h"
#include "model/result.h"
#include "reports/report_context.h"

namespace korvane::pdf {

// Writes the printed profile of a recalculated design as a PDF file: the
// pages "Posh Print!" sends to the printer, on A4. Without a running
// application it starts Qt's GUI module on its own, on the offscreen platform
// unless QT_QPA_PLATFORM names another, so a headless command can call it.
Status WriteProfilePdf(const std::filesystem::path& file, const Design& design,
                       const ReportContext& context);

}  // namespace korvane::pdf
