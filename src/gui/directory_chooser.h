#pragma once

#include <optional>
#include <string>

#include "ui/folder_chooser.h"

class QWidget;

namespace korvane::gui {

// The directory chooser: the folder dialog over the chooser's logic, opening
// at `start` when that is a folder and otherwise where it was left. The
// chosen folder ends in the separator; no value after Cancel.
std::optional<std::string> ChooseDirectory(ui::FolderChooser& logic, const std::string& start,
                                           QWidget* parent);

}  // namespace korvane::gui
