#pragma once

#include <QDialog>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ui/option_question.h"

class QKeyEvent;
class QLabel;
class QPushButton;

namespace korvane::gui {

// A question over one button per option, sized by OptionQuestion's rules in
// twips converted at the screen's resolution and never smaller than its texts
// need, its title included. Created once and reused.
class OptionQuestionView final : public QDialog {
    Q_OBJECT

public:
    explicit OptionQuestionView(ui::OptionQuestion& logic, QWidget* parent = nullptr);

    // Asks the question modally, centred over the window that asks; the
    // chosen option counted from 1, or no value when the dialog is closed
    // without a choice.
    std::optional<int> Ask(const std::string& question, const std::vector<std::string>& options,
                           std::optional<int> default_option = std::nullopt,
                           const QWidget* asking_window = nullptr);

    void reject() override;

protected:
    // A key that names an option chooses it; Enter the default option.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Choose(int index);
    void Lay(const QWidget* asking_window);

    ui::OptionQuestion& logic_;
    QLabel* question_;
    std::array<QPushButton*, ui::OptionQuestion::kButtonCount> buttons_{};
};

}  // namespace korvane::gui
