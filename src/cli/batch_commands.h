#pragma once

#include <iosfwd>
#include <string>

namespace korvane::cli {

// The most designs `batch --jobs` processes at once, and its default: the
// number of processors.
inline constexpr int kMostBatchJobs = 64;
int DefaultBatchJobs();

// Starts as the program does and runs the batch window's command on `folder`:
// every design file there is loaded, recalculated and saved with its profile
// file and page, `jobs` designs at once; with `web` the index pages are
// written too. The files, the error list and the index do not depend on
// `jobs`. The error list goes to `out`. With `progress_line` the file just
// processed is shown on `err` in one line, rewritten in place and cleared at
// the end. Exit code 0 when the error list is empty, 1 when it is not, 3 when
// the folder or the catalog cannot be read.
int RunBatchCommand(const std::string& folder, bool web, int jobs, bool progress_line,
                    std::ostream& out, std::ostream& err);

}  // namespace korvane::cli
