#pragma once

#include <QWidget>

#include <functional>

#include "ui/editors/list_editor.h"

class QBoxLayout;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace korvane::gui {

// The window of every list editor: in a frame named after the section, the
// "Available:" list on the left and the "Installed:" list on the right, each
// with its details line under it, then the editor's own controls and "Done".
// A double-click or Enter on a row installs or modifies; "Done" and the
// title bar's close box hide the window and name the one to show instead.
class ListEditorView : public QWidget {
    Q_OBJECT

public:
    // Fills the available list from the catalog, as the window is made once per run.
    explicit ListEditorView(ui::ListEditor& logic);

    // Copies the logic's lists, captions and labels to the widgets.
    virtual void Refresh();

signals:
    // "Done": the window has hidden itself; `back_to` is to be shown.
    void done(ui::ParentWindow back_to);
    // The window was minimised (true) or restored (false).
    void minimisedChanged(bool minimised);

protected:
    // Where an editor puts its own buttons and labels, left of "Done".
    QBoxLayout& ExtraControls() { return *extras_; }
    // Runs an action of the logic, then shows its outcome.
    void Edit(const std::function<void()>& action);

    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // A double-click or Enter on a row; row −1 (none) does nothing in the logic.
    void InstallRow(int row);
    void ModifyRow(int row);
    void Close();
    void Select(ui::ListBox& list, int row);

    ui::ListEditor& logic_;
    QGroupBox* frame_;
    QLabel* available_caption_;
    QListWidget* available_;
    QLabel* available_details_;
    QLabel* installed_caption_;
    QListWidget* installed_;
    QLabel* installed_details_;
    QBoxLayout* extras_;
    QPushButton* done_;
    bool placed_ = false;
};

}  // namespace korvane::gui
