#pragma once

#include <ostream>
#include <string>

#include "model/design.h"
#include "reports/report_context.h"

namespace korvane {

// The ship profile text file: the recalculated design section by section,
// Windows-1252 bytes, lines ending CRLF.
std::string ProfileText(const Design& design, const ReportContext& context);
void WriteProfileText(std::ostream& out, const Design& design, const ReportContext& context);

}  // namespace korvane
