#pragma once

#include <string>

#include "model/design.h"
#include "reports/print_surface.h"
#include "reports/report_context.h"

namespace korvane {

// Prints the ship profile of a recalculated design: every section as a bold
// heading at the left margin and its body as running text from 40 mm, wrapped
// at 100 characters; then the combat statistics, the notes paragraph, the
// profile code and the credit line; then ends the document. Reads the design
// and changes nothing in it.
void ShowProfile(PrintSurface& surface, const Design& design, const ReportContext& context);

// The printed profile's title as a document (the PDF's title, the print job's
// name): the ship's name as it reads, or the program's title for a ship
// without a name.
std::string ProfileDocumentTitle(const Design& design);

}  // namespace korvane
