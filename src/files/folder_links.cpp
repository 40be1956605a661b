#include "files/folder_links.h"

#include <system_error>

namespace korvane {

namespace {

constexpr int kMostLinksFollowed = 40;

}  // namespace

Result<std::filesystem::path> FinalTarget(const std::filesystem::path& path) {
    std::filesystem::path current = path;
    for (int followed = 0; followed <= kMostLinksFollowed; ++followed) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error))) {
            return current;
        }
        const std::filesystem::path next = std::filesystem::read_symlink(current, error);
        if (error) {
            return Error{path.string() + ": the link cannot be read (" + error.message() + ")"};
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return Error{path.string() + ": is a loop of symbolic links (or too many links in a row)"};
}

}  // namespace korvane
