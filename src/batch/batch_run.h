#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

#include "app/session.h"
#include "files/opened_folder.h"
#include "model/result.h"

namespace korvane {

enum class BatchKind {
    Resave,        // load, recalculate and save every design of a folder
    ResaveAndWeb,  // the same, then the web index over the designs' pages
};

// Where a run stands: the design file just processed, and how many of how many.
struct BatchProgress {
    std::string path;
    int done = 0;
    int total = 0;
};
using BatchProgressCallback = std::function<void(const BatchProgress&)>;

// "<path> <done> of <total>", as the batch window shows it (Windows-1252).
std::string ProgressText(const BatchProgress& progress);

// The names of the design files in `folder` ("*.k2d" whatever the case of
// the extension), sorted alphabetically ignoring case; names that differ only
// in case in byte order. Every entry so named is listed, whatever it is (a
// folder, a dangling link), so that the run can say why it was skipped.
// `notes_files`, when given, receives the names of the notes files listed
// ("*.k2n" whatever the case).
Result<std::vector<std::string>> ListDesignFiles(
    const std::filesystem::path& folder, std::unordered_set<std::string>* notes_files = nullptr);
// The same for a folder the program has opened.
Result<std::vector<std::string>> ListDesignFiles(
    const OpenedFolder& folder, std::unordered_set<std::string>* notes_files = nullptr);

struct BatchOutcome {
    int files = 0;                    // design files found in the folder
    std::vector<std::string> errors;  // the error list, one problem a line, Windows-1252
};

// The error list as the text window shows it: every line ends in CRLF.
std::string ErrorListText(const std::vector<std::string>& errors);

// Loads, recalculates and saves every design file of `folder` in name order,
// with the recent-files list frozen, and calls `progress` after each file.
// The run works on the folder as it listed it at its start: the designs, and
// the notes files their reports take.
// Each design file is read onto the new design, so that no design takes
// anything from the one processed before it.
// The error list names each design that breaks a limit, with its problems; a
// file that cannot be read or saved is skipped with its reason, and the run
// goes on. The folder is opened once and every file of the run is reached
// relative to it; a symbolic link is followed only to a file of the folder
// itself, however the links change while the run goes on: a design that is
// another link is skipped, a companion or an index page that is one is not
// written, and a notes file that is one is left out of its reports, each with
// a line. A design file with several names in the folder is worked by one
// worker, name after name.
// With the web kind each saved design is filed under its ship type
// and the index pages are written at the end; a design that could not be
// saved stays listed while its old page exists, and when no design could be
// saved the old index pages are left as they were.
// Only a folder that cannot be listed, or a catalog that cannot be opened
// again for a worker, fails the run, before any design is processed.
// With one worker the session is left holding the last design loaded. With
// more, designs are processed on that many threads, each with its own handle
// on the session's catalog (sharing its rows) and a design of its own, and the session is left as
// it was; `progress` is then called from those threads, one call at a time, in the order the
// designs are done. The files, the error list and the index are the same whatever the number of
// workers.
Result<BatchOutcome> RunBatch(Session& session, std::string folder, BatchKind kind,
                              std::chrono::sys_days today, const BatchProgressCallback& progress,
                              int workers = 1);

}  // namespace korvane
