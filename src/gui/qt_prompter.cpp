#include "gui/qt_prompter.h"

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QMessageBox>

#include "gui/directory_chooser.h"
#include "gui/file_dialog.h"
#include "gui/option_question_view.h"
#include "gui/qt_text.h"
#include "gui/recovered_changes_dialog.h"

namespace korvane::gui {

namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// A question is asked with the normal pointer, also while the program is busy.
class NormalPointer {
public:
    NormalPointer() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~NormalPointer() { QApplication::restoreOverrideCursor(); }
    NormalPointer(const NormalPointer&) = delete;
    NormalPointer& operator=(const NormalPointer&) = delete;
};

}  // namespace

QtPrompter::QtPrompter() : folder_chooser_(NativePath(QDir::currentPath())) {}

// A question that has just been answered leaves no window active until the
// window system has given the activation back (a moment later), so a question
// that follows at once is asked over the window that asked the one before.
QWidget* QtPrompter::AskingWindow() {
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active->isVisible()) {
        asking_window_ = active;
    }
    return asking_window_ != nullptr && asking_window_->isVisible() ? asking_window_.data()
                                                                    : nullptr;
}

QtPrompter::~QtPrompter() = default;

bool QtPrompter::AskYesNo(const std::string& title, const std::string& text, MessageIcon icon,
                          DefaultAnswer default_answer) {
    const NormalPointer pointer;
    QMessageBox box(QtIcon(icon), QtText(title), QtText(text), QMessageBox::Yes | QMessageBox::No,
                    AskingWindow());
    box.setTextFormat(Qt::PlainText);
    const QMessageBox::StandardButton default_button =
        default_answer == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No;
    box.setDefaultButton(default_button);
    box.setEscapeButton(default_button);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompter::ShowMessage(const std::string& title, const std::string& text, MessageIcon icon) {
    const NormalPointer pointer;
    QMessageBox box(QtIcon(icon), QtText(title), QtText(text), QMessageBox::Ok, AskingWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<int> QtPrompter::Choose(const std::string& caption,
                                      const std::vector<std::string>& options,
                                      std::optional<int> default_option) {
    const NormalPointer pointer;
    if (!option_question_view_) {
        option_question_view_ = std::make_unique<OptionQuestionView>(option_question_);
    }
    return option_question_view_->Ask(caption, options, default_option, AskingWindow());
}

std::optional<std::string> QtPrompter::AskText(const std::string& title, const std::string& prompt,
                                               const std::string& initial) {
    const NormalPointer pointer;
    bool ok = false;
    const QString text = QInputDialog::getText(AskingWindow(), QtText(title), QtText(prompt),
                                               QLineEdit::Normal, QtText(initial), &ok);
    if (!ok) {
        return std::nullopt;
    }
    return Cp1252Text(text);
}

std::optional<std::string> QtPrompter::AskOpenFile(const FileDialogRequest& request) {
    const NormalPointer pointer;
    return AskForFile(request, FileDialogKind::Open, AskingWindow());
}

std::optional<std::string> QtPrompter::AskSaveFile(const FileDialogRequest& request) {
    const NormalPointer pointer;
    return AskForFile(request, FileDialogKind::Save, AskingWindow());
}

std::optional<std::string> QtPrompter::ChooseDirectory(const std::string& start) {
    const NormalPointer pointer;
    return gui::ChooseDirectory(folder_chooser_, start, AskingWindow());
}

RecoveredChoice QtPrompter::ChooseRecovered(const std::string& title, const std::string& text,
                                            const std::vector<std::string>& copies) {
    const NormalPointer pointer;
    RecoveredChangesDialog dialog(title, text, copies, AskingWindow());
    return dialog.Ask();
}

void QtPrompter::Beep() {
    QApplication::beep();
}

}  // namespace korvane::gui
