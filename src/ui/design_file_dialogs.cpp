#include "ui/design_file_dialogs.h"

#include <filesystem>
#include <system_error>

#include "files/path_utils.h"

namespace korvane::ui {

std::optional<std::string> AskSaveDesignFile(const std::string& current_path, Prompter& prompter) {
    FileDialogRequest request{"Save As...", "Ship design files", "*.k2d", "*.k2d", ""};
    if (!current_path.empty()) {
        request.initial_name = current_path;
        request.initial_folder = current_path.substr(0, LastSeparatorPos(current_path));
    }
    std::optional<std::string> chosen = prompter.AskSaveFile(request);
    if (!chosen || chosen->empty()) {
        return std::nullopt;
    }
    std::error_code error;
    if (std::filesystem::exists(*chosen, error) &&
        !prompter.AskYesNo("Save Design File Exists", "Warning! File exists; overwrite?",
                           MessageIcon::Warning)) {
        return std::nullopt;
    }
    return chosen;
}

std::optional<std::string> AskLoadDesignFile(Prompter& prompter, const std::string& title) {
    std::error_code error;
    const FileDialogRequest request{title, "Design files", "*.k2d", "*.k2d",
                                    std::filesystem::current_path(error).string()};
    std::optional<std::string> chosen = prompter.AskOpenFile(request);
    if (!chosen || chosen->empty()) {
        return std::nullopt;
    }
    return chosen;
}

}  // namespace korvane::ui
