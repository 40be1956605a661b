#pragma once

#include <ostream>
#include <string>

#include "model/design.h"
#include "reports/report_context.h"

namespace korvane {

// The HTML design page: the recalculated design as a table page,
// Windows-1252 bytes, lines ending CRLF.
std::string HtmlPageText(const Design& design, const ReportContext& context);
void WriteHtmlPage(std::ostream& out, const Design& design, const ReportContext& context);

}  // namespace korvane
