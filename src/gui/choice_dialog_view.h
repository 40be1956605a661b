#pragma once

#include <QDialog>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ui/choice_dialog.h"

class QLabel;
class QPushButton;

namespace korvane::gui {

// The choice dialog: the question over one button per option, sized by the
// choice dialog's rules in twips converted at the screen's resolution and
// never smaller than its texts need. Created once and reused.
class ChoiceDialogView final : public QDialog {
    Q_OBJECT

public:
    explicit ChoiceDialogView(ui::ChoiceDialog& logic, QWidget* parent = nullptr);

    // Asks the question modally; the chosen option counted from 1, or no
    // value when the dialog is closed without a choice.
    std::optional<int> Ask(const std::string& question, const std::vector<std::string>& options,
                           int focus_index = 0);

    void reject() override;

private:
    void Choose(int index);
    void Lay();

    ui::ChoiceDialog& logic_;
    QLabel* question_;
    std::array<QPushButton*, ui::ChoiceDialog::kButtonCount> buttons_{};
    bool placed_ = false;
};

}  // namespace korvane::gui
