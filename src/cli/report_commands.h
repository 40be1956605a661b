#pragma once

#include <iosfwd>
#include <string>

namespace korvane::cli {

// Each loads the design file as `show` does and prints one of its reports:
// the profile text (with the notes beside the design), the HTML page, or the
// feature list of the main window.
int RunProfile(const std::string& file, std::ostream& out, std::ostream& err);
int RunHtml(const std::string& file, std::ostream& out, std::ostream& err);
int RunFeatures(const std::string& file, std::ostream& out, std::ostream& err);

}  // namespace korvane::cli
