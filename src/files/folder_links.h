#pragma once

#include <filesystem>

#include "model/result.h"

namespace korvane {

// The file a path names: a symbolic link is followed to its final target,
// which need not exist yet. A loop, or a chain too long to be anything else,
// is refused.
Result<std::filesystem::path> FinalTarget(const std::filesystem::path& path);

}  // namespace korvane
