#pragma once

#include <iosfwd>
#include <string>

namespace korvane::cli {

// Loads two designs as `show` does and prints what differs between them: the
// totals, the profile codes, the problems and every slot and item-table entry,
// field by field; as text, or with `json` as one JSON object. The result is
// kDone when they are the same, kProblemsFound when they differ and kFileError
// when one cannot be read.
int RunDiff(const std::string& first, const std::string& second, bool json, std::ostream& out,
            std::ostream& err);

}  // namespace korvane::cli
