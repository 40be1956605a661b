#pragma once

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>

namespace korvane::cli {

// Why `output` may not be written: it is the same file as one of the
// command's `inputs` (`print --pdf ship.k2d ship.k2d` would destroy the
// design). No value when it is none of them.
std::optional<std::string> SameFileAsInput(const std::string& output,
                                           std::initializer_list<std::filesystem::path> inputs);

// Why an existing `output` is not replaced without --force: it is a regular
// file and `replaceable` says its content is not of the kind the command
// writes. No value when it is absent, of that kind, or no regular file (which
// the write itself refuses).
std::optional<std::string> ExistingOfAnotherKind(const std::string& output,
                                                 bool (*replaceable)(const std::string& content));

}  // namespace korvane::cli
