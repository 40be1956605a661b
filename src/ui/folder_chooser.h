#pragma once

#include <optional>
#include <string>

#include "ui/controls.h"

namespace korvane::ui {

// The folder chooser of the batch commands. There are no drives on
// this platform: the directory list reaches every folder from the root
// "/", so the drive list and its coupling with the directory list are left out.
class FolderChooser {
public:
    // The chooser opens in `current_folder` until a start folder is given.
    explicit FolderChooser(std::string current_folder);

    // Opens the chooser at `start` when that is an existing folder; any other
    // start (empty, missing, a file) leaves the list where it was.
    void Load(const std::string& start);

    // The user moves the directory list to `path`; a path that is not an
    // existing folder leaves it where it was.
    void ChangeDirectory(const std::string& path);

    // OK: the result is the listed folder with one trailing separator.
    void Ok();
    // Cancel, or the title bar's close box: an empty result, whatever was selected.
    void Cancel();

    // The chosen folder, ending in the separator; no value after Cancel.
    std::optional<std::string> Result() const;

    std::string Caption = "Select directory";
    std::string Directory;  // the directory list's path
    Button ok{"OK"};
    Button cancel{"Cancel"};
    std::string Tag;  // the result: the chosen folder ending in the separator, or empty
    bool Visible = false;
};

}  // namespace korvane::ui
