#include "ui/design_file_dialogs.h"

#include <filesystem>
#include <system_error>

#include "files/companion_files.h"
#include "files/path_utils.h"
#include "model/text_helpers.h"

namespace korvane::ui {

namespace {

// The folder part of a path, ending in its separator; empty for a bare name.
std::string FolderOf(const std::string& path) {
    return path.substr(0, static_cast<std::size_t>(LastSeparatorPos(path)));
}

}  // namespace

std::string DialogFolder::StartFor(const std::string& design_path) const {
    if (!last_.empty()) {
        return last_;
    }
    if (const std::string folder = FolderOf(design_path); !folder.empty()) {
        return folder;
    }
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

void DialogFolder::Chose(const std::string& file) {
    if (const std::string folder = FolderOf(file); !folder.empty()) {
        last_ = folder;
    }
}

std::string FileNameOfShip(std::string_view ship_name) {
    std::string name;
    for (const char c : Trimmed(ship_name, kSpacesAndNuls)) {
        if (c != '/' && static_cast<unsigned char>(c) >= 0x20 && c != '\x7f') {
            name += c;
        }
    }
    return std::string(Trimmed(name));
}

std::string ProposedPdfFile(const std::string& design_path, std::string_view ship_name) {
    if (!design_path.empty()) {
        return CompanionBase(design_path) + ".pdf";
    }
    const std::string name = FileNameOfShip(ship_name);
    return name.empty() ? name : name + ".pdf";
}

std::optional<std::string> AskSaveDesignFile(const std::string& current_path, Prompter& prompter,
                                             std::string_view ship_name,
                                             const std::string& folder) {
    FileDialogRequest request{"Save As...", "Ship design files", "*.k2d", "*.k2d", folder};
    if (!current_path.empty()) {
        request.initial_name = current_path;
        request.initial_folder = FolderOf(current_path);
    } else if (const std::string name = FileNameOfShip(ship_name); !name.empty()) {
        request.initial_name = name + ".k2d";
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

std::optional<std::string> AskLoadDesignFile(Prompter& prompter, const std::string& folder,
                                             const std::string& title) {
    const FileDialogRequest request{title, "Design files", "*.k2d", "*.k2d", folder};
    std::optional<std::string> chosen = prompter.AskOpenFile(request);
    if (!chosen || chosen->empty()) {
        return std::nullopt;
    }
    return chosen;
}

}  // namespace korvane::ui
