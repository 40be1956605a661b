#include "files/companion_files.h"

#include <functional>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>

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

namespace {

// The first spelling of the notes file's name beside the design whose base
// is `base` that `is_file` finds ("ship.K2N" first, then the other cases),
// among `listed` when given.
std::optional<std::string> FirstNotesFile(const std::string& base,
                                          const std::unordered_set<std::string>* listed,
                                          const std::function<bool(const std::string&)>& is_file) {
    const auto name_start = static_cast<std::size_t>(LastSeparatorPos(base));
    for (const char* extension : {".K2N", ".k2n", ".K2n", ".k2N"}) {
        std::string candidate = base + extension;
        if (listed != nullptr && !listed->contains(candidate.substr(name_start))) {
            continue;
        }
        if (is_file(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> FindNotesFile(std::string_view design_path,
                                                   const std::unordered_set<std::string>* listed) {
    return FirstNotesFile(CompanionBase(design_path), listed, [](const std::string& candidate) {
        std::error_code error;
        return std::filesystem::is_regular_file(candidate, error);
    });
}

std::optional<std::string> FindNotesFileIn(const OpenedFolder& folder, std::string_view design_name,
                                           const std::unordered_set<std::string>* listed) {
    return FirstNotesFile(CompanionBase(design_name), listed, [&](const std::string& candidate) {
        struct stat status {};
        return ::fstatat(folder.fd(), candidate.c_str(), &status, 0) == 0 &&
               S_ISREG(status.st_mode);
    });
}

}  // namespace korvane
