#pragma once

#include <QString>

#include <optional>
#include <string>

#include "ui/prompter.h"

class QWidget;

namespace korvane::gui {

// A file pattern that matches whatever the case of the letters, as a file
// dialog's filter reads it: "*.k2d" becomes "*.[kK]2[dD]".
QString CaseInsensitivePattern(const QString& pattern);

enum class FileDialogKind { Open, Save };

// The open-file or save-file dialog of a request: its filter (shown by its
// description only), then all files; the proposed name unless it is a pattern;
// the folder it opens in. The chosen path, or no value when cancelled. Saving
// asks nothing about an existing file: the save itself asks.
std::optional<std::string> AskForFile(const FileDialogRequest& request, FileDialogKind kind,
                                      QWidget* parent);

}  // namespace korvane::gui
