#include "ui/folder_chooser.h"

#include <filesystem>
#include <system_error>

#include "files/path_utils.h"

namespace korvane::ui {

namespace {

// The folder as the directory list shows it: absolute, without a trailing
// separator except for the root itself. No value when it is not a folder.
// ".." is left for the system to resolve: behind a linked folder it leads to
// the target's parent, not back to where the link stands.
std::optional<std::string> ListedFolder(const std::string& path) {
    std::error_code error;
    if (path.empty() || !std::filesystem::is_directory(path, error)) {
        return std::nullopt;
    }
    std::string folder = std::filesystem::absolute(path, error).string();
    while (folder.size() > 1 && folder.back() == kSeparator) {
        folder.pop_back();
    }
    return folder;
}

}  // namespace

FolderChooser::FolderChooser(std::string current_folder) : Directory(std::move(current_folder)) {}

void FolderChooser::Load(const std::string& start) {
    if (const auto folder = ListedFolder(start)) {
        Directory = *folder;
    }
    Visible = true;
}

void FolderChooser::ChangeDirectory(const std::string& path) {
    if (const auto folder = ListedFolder(path)) {
        Directory = *folder;
    }
}

void FolderChooser::Ok() {
    Tag = Directory;
    WithTrailingSeparator(Tag);
    Visible = false;
}

void FolderChooser::Cancel() {
    Tag.clear();
    Visible = false;
}

std::optional<std::string> FolderChooser::Result() const {
    if (Tag.empty()) {
        return std::nullopt;
    }
    return Tag;
}

}  // namespace korvane::ui
