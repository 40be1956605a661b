#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

enum class MessageIcon { None, Information, Warning, Critical };

// The button of a Yes/No question that Enter presses and that Escape or the
// close box answer.
enum class DefaultAnswer { No, Yes };

// What a file dialog shows: its filter ("Ship design files" and "*.k2d"),
// the proposed file name and the folder it opens in (empty: its own choice).
struct FileDialogRequest {
    std::string title;
    std::string filter_description;
    std::string pattern;
    std::string initial_name;
    std::string initial_folder;
};

// What is done with the unsaved changes recovered at the start, which are
// offered in one list.
enum class RecoveredAction { KeepAll, Restore, Delete, Keep, DeleteAll };
struct RecoveredChoice {
    RecoveredAction action = RecoveredAction::KeepAll;
    std::size_t copy = 0;  // the one Restore, Delete or Keep is for, counted from 0

    bool operator==(const RecoveredChoice&) const = default;
};

// Every modal question the program asks goes through here: the desktop program
// answers with dialogs, tests and the command line with scripted answers. Texts
// are Windows-1252 bytes like the design's; an implementation converts at its edge.
// Each question has a default that changes nothing: a dialog closed without an
// answer returns no value (or No).
class Prompter {
public:
    virtual ~Prompter() = default;

    // A Yes/No message box; true for Yes. Most questions have No as their
    // default; one whose No would change something names its own.
    bool AskYesNo(const std::string& title, const std::string& text, MessageIcon icon) {
        return AskYesNo(title, text, icon, DefaultAnswer::No);
    }
    virtual bool AskYesNo(const std::string& title, const std::string& text, MessageIcon icon,
                          DefaultAnswer default_answer) = 0;

    // A message box with one OK button.
    virtual void ShowMessage(const std::string& title, const std::string& text,
                             MessageIcon icon) = 0;

    // The choice dialog: `options` are shown as buttons; the result is the
    // chosen option's position, counted from 1. An option is also chosen by
    // typing its text when that is one character ("0" chooses "10"); Enter
    // chooses `default_option` (counted from 1), and nothing in a question
    // without one.
    std::optional<int> Choose(const std::string& caption, const std::vector<std::string>& options) {
        return Choose(caption, options, std::nullopt);
    }
    virtual std::optional<int> Choose(const std::string& caption,
                                      const std::vector<std::string>& options,
                                      std::optional<int> default_option) = 0;

    // An input box; the typed text, or no value when cancelled.
    virtual std::optional<std::string> AskText(const std::string& title, const std::string& prompt,
                                               const std::string& initial) = 0;

    // The platform's open-file and save-file dialogs; the chosen path, or no
    // value when cancelled. Patterns match file names whatever their case.
    virtual std::optional<std::string> AskOpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> AskSaveFile(const FileDialogRequest& request) = 0;

    // The directory chooser, opening at `start`; the chosen folder, or no value.
    virtual std::optional<std::string> ChooseDirectory(const std::string& start) = 0;

    // The recovered unsaved changes, one line each (`copies`), below `text`:
    // Restore the chosen one, Delete or Keep it (for the next start), or
    // Delete All or Keep All. Escape, the close box and Enter keep them all,
    // which changes nothing.
    virtual RecoveredChoice ChooseRecovered(const std::string& title, const std::string& text,
                                            const std::vector<std::string>& copies) = 0;

    // The system beep.
    virtual void Beep() = 0;
};

}  // namespace korvane
