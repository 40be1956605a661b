#pragma once

#include <QGroupBox>

#include "gui/control_binding.h"
#include "ui/editors/list_editor.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QTableView;

namespace korvane::gui {

class CatalogTableModel;

// The lists of a list editor in a frame named after the section: "Available:"
// on the left, a table of the catalog's rows under a filter box, and
// "Installed:" on the right, each with its details line under it. A click
// shows details; a double-click or Enter on a row installs or modifies. Typing
// in the filter box (Ctrl+F reaches it) narrows the table, Escape empties it,
// Down or Enter moves on to the table; a click on a column's heading sorts by
// it. The list editor's window holds one; a window with other controls as
// well (the crew window's accommodation) can hold one among them.
class ListPairFrame final : public QGroupBox {
    Q_OBJECT

public:
    ListPairFrame(ui::ListEditor& logic, QWidget* parent);

    // Copies the logic's lists, captions and details lines to the widgets.
    void Refresh();

signals:
    // An event of the lists has been handled; the window shows its outcome.
    void handled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BindAvailable();
    // Selects the logic's selected available row in the table, without
    // reporting it back.
    void ShowAvailableSelection();
    // Sizes the table's columns to their rows, once it has rows.
    void FitAvailableColumns();

    ui::ListEditor& logic_;
    ControlBindings bindings_;
    QLabel* available_caption_;
    QLineEdit* available_filter_;
    QTableView* available_;
    CatalogTableModel* available_rows_;
    QLabel* available_details_;
    QLabel* installed_caption_;
    QListWidget* installed_;
    QLabel* installed_details_;
    bool showing_selection_ = false;
    bool columns_fitted_ = false;
};

}  // namespace korvane::gui
