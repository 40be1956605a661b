#pragma once

#include <filesystem>

#include "model/result.h"

namespace korvane {

// The file a path names: a symbolic link is followed to its final target,
// which need not exist yet. A loop, or a chain too long to be anything else,
// is refused.
Result<std::filesystem::path> FinalTarget(const std::filesystem::path& path);

// A design folder may come from someone else, so a file the program reaches
// by a name it found or made there (a companion file, a batch run's design,
// the web index pages) is reached through a symbolic link only when the link's
// final target lies in the same folder, the folders compared as the system
// resolves them. Anything else is refused with a message naming the link and
// where it leads. A path that is no link passes.
Status CheckLinkStaysInFolder(const std::filesystem::path& path);

}  // namespace korvane
