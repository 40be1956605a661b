#pragma once

#include <iosfwd>

#include "app/prompter.h"

namespace korvane::cli {

// The command line never asks: every question takes its default (No, cancel),
// and messages and declined questions are told on the error stream.
class CliPrompter final : public Prompter {
public:
    explicit CliPrompter(std::ostream& err) : err_(err) {}

    bool AskYesNo(const std::string& title, const std::string& text, MessageIcon icon) override;
    void ShowMessage(const std::string& title, const std::string& text, MessageIcon icon) override;
    std::optional<int> Choose(const std::string& caption,
                              const std::vector<std::string>& options) override;
    std::optional<std::string> AskText(const std::string& title, const std::string& prompt,
                                       const std::string& initial) override;
    std::optional<std::string> AskOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> AskSaveFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseDirectory(const std::string& start) override;
    void Beep() override {}

private:
    void Tell(const std::string& title, const std::string& text);

    std::ostream& err_;
};

}  // namespace korvane::cli
