#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/prompter.h"

namespace korvane::ui {

// Where the program's file dialogs open, as where every file dialog changed
// the working folder: the folder of the file last chosen in any of them, else
// the open design's folder, else the working folder.
class DialogFolder {
public:
    std::string StartFor(const std::string& design_path) const;
    // A file was chosen in a dialog: the next one opens in its folder.
    void Chose(const std::string& file);

private:
    std::string last_;
};

// The file "Save As..." writes to: the save dialog, proposing `current_path`
// in its folder (a design without a file proposes its ship's name in
// `folder`), then the overwrite question for a file that exists. No value when
// the user backs out (cancel, an empty name, "No").
std::optional<std::string> AskSaveDesignFile(const std::string& current_path, Prompter& prompter,
                                             std::string_view ship_name = {},
                                             const std::string& folder = {});

// A file name made of a ship's name: its blanks at either end and a "/" or a
// control character, which no file name can hold, left out; empty for an
// empty name.
std::string FileNameOfShip(std::string_view ship_name);

// The PDF file the print dialog proposes for a design's printed profile: the
// design's name with ".pdf" in the design's folder, or, for a design without
// a file, its ship's name with ".pdf" (in the working folder); empty when the
// ship has no name either.
std::string ProposedPdfFile(const std::string& design_path, std::string_view ship_name);

// The file "Load Design" reads: the open dialog, titled `title`, in `folder`.
// No value on a cancel or an empty name.
std::optional<std::string> AskLoadDesignFile(Prompter& prompter, const std::string& folder,
                                             const std::string& title = "Load Design");

}  // namespace korvane::ui
