#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "model/result.h"

namespace korvane {

// The whole content of a regular file of at most `largest` bytes. Anything
// else named like one (a folder, a named pipe, a device, a socket) is refused
// before it is read, so that a pipe without a writer cannot hold the program
// up. Messages name the path and call the file what the caller expects it to
// be (`what`, as in "design file").
Result<std::string> ReadRegularFile(const std::filesystem::path& path, std::string_view what,
                                    std::uintmax_t largest);

}  // namespace korvane
