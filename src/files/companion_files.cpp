#include "files/companion_files.h"

#include <system_error>

#include "files/path_utils.h"
#include "model/text_helpers.h"

namespace korvane {

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

bool IsNotesFileName(std::string_view name) {
    constexpr std::string_view kNotesExtension = ".K2N";
    return name.size() >= kNotesExtension.size() &&
           SameIgnoringCase(name.substr(name.size() - kNotesExtension.size()), kNotesExtension);
}

std::optional<std::filesystem::path> FindNotesFile(std::string_view design_path,
                                                   const std::unordered_set<std::string>* listed) {
    // Only the extension's case varies: ".K2N" first, then the other spellings.
    const std::string base = CompanionBase(design_path);
    const auto name_start = static_cast<std::size_t>(LastSeparatorPos(base));
    for (const char* extension : {".K2N", ".k2n", ".K2n", ".k2N"}) {
        const std::string candidate = base + extension;
        if (listed != nullptr && !listed->contains(candidate.substr(name_start))) {
            continue;
        }
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            return candidate;
        }
    }
    return std::nullopt;
}

}  // namespace korvane
