#pragma once

#include <filesystem>
#include <functional>
#include <string_view>
#include <system_error>

namespace korvane {

// Calls `visit` with the name of every entry of `folder` ("." and ".." aside)
// in the order the system gives them. Gives the system's reason when the
// folder cannot be read, before or part way through. Reads the names only: a
// folder of thousands of files is listed without a path made for each.
std::error_code ForEachNameIn(const std::filesystem::path& folder,
                              const std::function<void(std::string_view)>& visit);
// The same for the folder open at the descriptor `folder`, which stays open.
std::error_code ForEachNameAt(int folder, const std::function<void(std::string_view)>& visit);

}  // namespace korvane
