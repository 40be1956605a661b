#include "cli/cli_prompter.h"

#include <ostream>

#include "cli/terminal_text.h"

namespace korvane::cli {

void CliPrompter::Tell(const std::string& title, const std::string& text) {
    if (!title.empty()) {
        err_ << TerminalText(title) << ": ";
    }
    err_ << TerminalText(text) << '\n';
}

bool CliPrompter::AskYesNo(const std::string& title, const std::string& text, MessageIcon) {
    Tell(title, text + " No.");
    return false;
}

void CliPrompter::ShowMessage(const std::string& title, const std::string& text, MessageIcon) {
    Tell(title, text);
}

std::optional<int> CliPrompter::Choose(const std::string&, const std::vector<std::string>&) {
    return std::nullopt;
}

std::optional<std::string> CliPrompter::AskText(const std::string&, const std::string&,
                                                const std::string&) {
    return std::nullopt;
}

std::optional<std::string> CliPrompter::AskOpenFile(const FileDialogRequest&) {
    return std::nullopt;
}

std::optional<std::string> CliPrompter::AskSaveFile(const FileDialogRequest&) {
    return std::nullopt;
}

std::optional<std::string> CliPrompter::ChooseDirectory(const std::string&) {
    return std::nullopt;
}

}  // namespace korvane::cli
