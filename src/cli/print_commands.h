#pragma once

#include <iosfwd>
#include <string>

namespace korvane::cli {

// Loads the design file as `show` does and writes the pages "Posh Print!"
// prints, with the notes beside the design, as the PDF file `pdf_file`.
int RunPrintPdf(const std::string& pdf_file, const std::string& design_file, std::ostream& out,
                std::ostream& err);

}  // namespace korvane::cli
