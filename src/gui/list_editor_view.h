#pragma once

#include <QWidget>

#include "gui/editor_place.h"
#include "ui/editors/list_editor.h"

class QBoxLayout;
class QPushButton;

namespace korvane::gui {

class ListPairFrame;
class ListPanelTools;

// Every list editor's content: its lists in a frame named after the section,
// then the editor's own controls. In a window of its own "Done" follows them;
// "Done" and the title bar's close box hide the window and name the one to
// show instead. The designer's panel has no "Done"; its questions are
// answered in place (ListPanelTools).
class ListEditorView : public QWidget {
    Q_OBJECT

public:
    // Fills the available list from the catalog, as the window is made once per run.
    explicit ListEditorView(ui::ListEditor& logic, EditorPlace place = EditorPlace::Window);

    // Copies the logic's state to the widgets.
    virtual void Refresh();

signals:
    // "Done": the window has hidden itself; `back_to` is to be shown.
    void done();
    // The window was minimised (true) or restored (false).
    void minimisedChanged(bool minimised);

protected:
    // Where an editor puts its own buttons and labels, left of "Done".
    QBoxLayout& ExtraControls() { return *extras_; }
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    ui::ListEditor& logic_;
    ListPairFrame* lists_;
    ListPanelTools* tools_ = nullptr;  // in the panel only
    QBoxLayout* extras_;
    QPushButton* done_ = nullptr;  // in a window only
    ui::DesignFollower follower_{
        logic_.Document(), [this] { Refresh(); },
        [this](const ui::DesignChange& change) { return logic_.Concerns(change); }};
};

}  // namespace korvane::gui
