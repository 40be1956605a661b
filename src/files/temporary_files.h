#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "files/opened_folder.h"

namespace korvane {

// A hidden temporary name beside `target` for a file that will replace it:
// "." + its name + ".tmp-" + process id + "-" + a counter; a name too long
// for that is cut, so that the temporary's name fits the file system's limit.
std::filesystem::path TemporarySibling(const std::filesystem::path& target);
// The same name for a file `name` of a folder the program has opened.
std::string TemporaryName(std::string_view name);

// Removes what interrupted saves of `target` left beside it: its temporaries
// whose process has ended, and the journal SQLite left beside a catalog one. Temporaries of a
// running process are kept, since that process may still be writing them.
void RemoveStaleTemporaries(const std::filesystem::path& target);

// The same for every file of `folder` (a batch run clears its folder once).
void RemoveStaleTemporariesIn(const std::filesystem::path& folder);

// The same in a folder the program has opened, never through a link.
void RemoveStaleTemporaries(const OpenedFolder& folder, std::string_view name);
void RemoveStaleTemporariesIn(const OpenedFolder& folder);

// Whether `name` is a temporary's (or SQLite's file beside one) whose process has ended.
bool IsStaleTemporary(std::string_view name);

}  // namespace korvane
