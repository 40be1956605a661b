#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "files/opened_folder.h"

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

// Whether `name` is a notes file's name (".K2N" whatever the case).
bool IsNotesFileName(std::string_view name);

// The design's notes file when one exists, whatever the case of its extension
// ("ship.K2N", "ship.k2n", …); the exact name is preferred. With `listed`, the
// names of the notes files the design's folder held when a run over its
// designs listed it, a name not among them is not looked for.
std::optional<std::filesystem::path> FindNotesFile(
    std::string_view design_path, const std::unordered_set<std::string>* listed = nullptr);
// The same in a folder the program has opened: the notes file's name there,
// beside the design named `design_name`.
std::optional<std::string> FindNotesFileIn(const OpenedFolder& folder, std::string_view design_name,
                                           const std::unordered_set<std::string>* listed = nullptr);

}  // namespace korvane
