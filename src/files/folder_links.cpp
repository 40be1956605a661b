#include "files/folder_links.h"

#include <system_error>

namespace korvane {

namespace {

constexpr int kMostLinksFollowed = 40;

std::filesystem::path FolderOf(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.parent_path();
    return folder.empty() ? "." : folder;
}

// The folder that holds the final target as the system resolves it: a target
// named "." or ".." is a folder whose own folder is further up.
std::filesystem::path ResolvedFolderOf(const std::filesystem::path& target,
                                       std::error_code& error) {
    const std::filesystem::path whole = std::filesystem::canonical(target, error);
    if (!error) {
        return whole.parent_path();
    }
    return std::filesystem::canonical(FolderOf(target), error);
}

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

Status CheckLinkStaysInFolder(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) {
        return {};
    }
    const Result<std::filesystem::path> target = FinalTarget(path);
    if (!target) {
        return target.status();
    }
    const std::filesystem::path folder = std::filesystem::canonical(FolderOf(path), error);
    std::error_code target_error;
    const std::filesystem::path target_folder = ResolvedFolderOf(target.value(), target_error);
    if (error || target_error || folder != target_folder) {
        return Error{path.string() + ": is a symbolic link to " + target.value().string() +
                     ", outside its folder; it is not followed"};
    }
    return {};
}

}  // namespace korvane
