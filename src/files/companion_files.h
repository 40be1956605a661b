#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// The design path without the extension of its file name (the last "." after
// the last separator); a path whose file name has no extension is its own base.
// A dotted folder such as ~/.local/share does not cut the path.
std::string CompanionBase(std::string_view design_path);

// The profile file, notes file and HTML page beside a design: base + ".K2P",
// ".K2N", ".htm".
std::string ProfileFilePath(std::string_view design_path);
std::string NotesFilePath(std::string_view design_path);
std::string HtmlPagePath(std::string_view design_path);

// The design's notes file when one exists, whatever the case of its extension
// ("ship.K2N", "ship.k2n", …); the exact name is preferred.
std::optional<std::filesystem::path> FindNotesFile(std::string_view design_path);

}  // namespace korvane
