#pragma once

#include <QGroupBox>

#include "gui/control_binding.h"
#include "ui/editors/list_editor.h"

class QLabel;
class QListWidget;

namespace korvane::gui {

// The lists of a list editor in a frame named after the section: "Available:"
// on the left and "Installed:" on the right, each with its details line under
// it. A click shows details; a double-click or Enter on a row installs or
// modifies. The list editor's window holds one; a window with other controls
// as well (the crew window's accommodation) can hold one among them.
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
    ui::ListEditor& logic_;
    ControlBindings bindings_;
    QLabel* available_caption_;
    QListWidget* available_;
    QLabel* available_details_;
    QLabel* installed_caption_;
    QListWidget* installed_;
    QLabel* installed_details_;
};

}  // namespace korvane::gui
