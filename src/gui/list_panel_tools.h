#pragma once

#include <QWidget>

#include <optional>

#include "ui/editors/list_editor.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace korvane::gui {

// A list editor's questions answered in place, in the designer's panel: the
// count to install beside "Install" (typed, or one of 1 to 10 picked), the
// number of the selected installed entry typed in place (Enter or leaving
// the box stores it), "Remove", and "Modify..." for the editor's further
// changes, which asks as its window does. A count or number that is no number
// turns its box red and changes nothing; an operation that cannot be done
// says why under the tools.
class ListPanelTools final : public QWidget {
    Q_OBJECT

public:
    ListPanelTools(ui::ListEditor& logic, QWidget* parent);

    // Follows the lists' selections: what can be done, and the selected entry's number.
    void Refresh();

signals:
    // The design may have changed: the lists show their outcome.
    void handled();

private:
    void Install();
    void SetNumber();
    void Remove();
    // The number a box holds; none, and the box red, when it holds none.
    std::optional<double> NumberIn(QLineEdit& box);
    void Report(const Status& status);

    ui::ListEditor& logic_;
    QComboBox* count_;
    QPushButton* install_;
    QLineEdit* number_;
    QPushButton* remove_;
    QPushButton* modify_;
    QLabel* failure_;
    std::optional<int> shown_entry_;  // the entry whose number the box shows
};

}  // namespace korvane::gui
