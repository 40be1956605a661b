#pragma once

#include <QDialog>

#include "gui/control_binding.h"
#include "ui/text_window.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace korvane::gui {

// The text window: the heading over the text in a fixed-pitch font, "&Ok"
// at the left, the two print buttons, "&Cancel" at the right. Escape is
// Cancel, Ctrl+Enter in the text is OK, F5 in the text stamps the date and
// time at its end.
class TextWindowView final : public QDialog {
    Q_OBJECT

public:
    explicit TextWindowView(ui::TextWindow& logic, QWidget* parent = nullptr);

    // Shows the logic's heading and text modally; the text as edited stays in
    // the logic. True after OK.
    bool Run();

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The logic's text and state come to the widgets; the user's edits and
    // selection go to the logic as they are made.
    void Refresh();
    void Ok();

    ui::TextWindow& logic_;
    QLabel* heading_;
    QPlainTextEdit* text_;
    QPushButton* ok_;
    QPushButton* print_all_;
    QPushButton* print_selection_;
    QPushButton* cancel_;
    ControlBindings bindings_;
};

}  // namespace korvane::gui
