#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/folder_chooser.h"
#include "ui/option_question.h"
#include "ui/prompter.h"

namespace korvane::gui {

class OptionQuestionView;

// The program's questions as Qt dialogs, each over the window that is active
// when it is asked: message boxes (Yes/No with Escape giving the default
// answer), the choice dialog, input boxes, the file dialogs, the directory
// chooser and the list of recovered changes.
class QtPrompter final : public Prompter {
public:
    QtPrompter();
    ~QtPrompter() override;

    using Prompter::AskYesNo;
    bool AskYesNo(const std::string& title, const std::string& text, MessageIcon icon,
                  DefaultAnswer default_answer) override;
    void ShowMessage(const std::string& title, const std::string& text, MessageIcon icon) override;
    using Prompter::Choose;
    std::optional<int> Choose(const std::string& caption, const std::vector<std::string>& options,
                              std::optional<int> default_option) override;
    std::optional<std::string> AskText(const std::string& title, const std::string& prompt,
                                       const std::string& initial) override;
    std::optional<std::string> AskOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> AskSaveFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseDirectory(const std::string& start) override;
    RecoveredChoice ChooseRecovered(const std::string& title, const std::string& text,
                                    const std::vector<std::string>& copies) override;
    void Beep() override;

private:
    // The window a question is asked over: the active one, else the one
    // that was active when the last question was asked, while it is shown.
    QWidget* AskingWindow();

    QPointer<QWidget> asking_window_;
    ui::OptionQuestion option_question_;
    // Made on first use and kept; it has no parent window, which could take it along when closed.
    std::unique_ptr<OptionQuestionView> option_question_view_;
    ui::FolderChooser folder_chooser_;
};

}  // namespace korvane::gui
