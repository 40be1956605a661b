#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string_view>

#include "model/result.h"

namespace korvane {

// Writes a file through a temporary file in the same folder that is renamed
// over the target only when everything was written, so a failure (read-only
// folder, full disk) leaves the old file as it was. The message names the path.
Status WriteFileAtomically(const std::filesystem::path& target, std::string_view content);
// The same for content written to a stream.
Status WriteFileAtomically(const std::filesystem::path& target,
                           const std::function<void(std::ostream&)>& write);

// A temporary name beside `target`, for writers that produce the file themselves.
std::filesystem::path TemporarySibling(const std::filesystem::path& target);

// Moves a finished temporary file over `target`; removes it when that fails.
Status ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& target);

}  // namespace korvane
