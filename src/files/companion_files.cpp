#include "files/companion_files.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "files/path_utils.h"

namespace korvane {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string CompanionBase(std::string_view design_path) {
    const auto name_start = static_cast<std::size_t>(LastSeparatorPos(design_path));
    const auto dot = design_path.rfind('.');
    if (dot == std::string_view::npos || dot < name_start) {
        return std::string(design_path);
    }
    return std::string(design_path.substr(0, dot));
}

std::string ProfileFilePath(std::string_view design_path) {
    return CompanionBase(design_path) + ".K2P";
}

std::string NotesFilePath(std::string_view design_path) {
    return CompanionBase(design_path) + ".K2N";
}

std::string HtmlPagePath(std::string_view design_path) {
    return CompanionBase(design_path) + ".htm";
}

std::optional<std::filesystem::path> FindNotesFile(std::string_view design_path) {
    const std::filesystem::path exact = NotesFilePath(design_path);
    std::error_code error;
    if (std::filesystem::is_regular_file(exact, error)) {
        return exact;
    }
    std::filesystem::path folder = exact.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    const std::string wanted = exact.filename().string();
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (SameIgnoringCase(entry->path().filename().string(), wanted) &&
            entry->is_regular_file(error)) {
            return exact.parent_path() / entry->path().filename();
        }
    }
    return std::nullopt;
}

}  // namespace korvane
