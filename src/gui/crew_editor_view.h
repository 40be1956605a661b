#pragma once

#include <QWidget>

#include "gui/control_binding.h"
#include "gui/editor_place.h"
#include "ui/editors/crew_editor.h"

namespace korvane::gui {

class ListPairFrame;
class ListPanelTools;

// The crew window: the crew frame (a button and a value line per position,
// red below its default, the totals and "Accept defaults"), the accommodation
// list editor and the environment frame, then "Done". Enter, Escape and the
// close box are "Done", the window's one way back, which stores the
// environment. As the designer's panel it has no "Done": the airlocks are
// stored as the box is committed (Enter, or leaving it).
class CrewEditorView final : public QWidget {
    Q_OBJECT

public:
    explicit CrewEditorView(ui::CrewEditor& logic, EditorPlace place = EditorPlace::Window);

    // Fills the window from the design and shows it.
    void Open();
    // Fills the content from the design for the designer's panel.
    void ShowInPanel();
    // Copies the logic's state to the widgets.
    void Refresh();

signals:
    // "Done": the window has hidden itself; `back_to` is to be shown.
    void done();
    void minimisedChanged(bool minimised);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* NewCrewFrame();
    QWidget* NewEnvironmentFrame();
    void Done();

    ui::CrewEditor& logic_;
    EditorPlace place_;
    ControlBindings bindings_;
    ListPairFrame* accommodation_;
    ListPanelTools* accommodation_tools_ = nullptr;  // in the panel only
    ui::DesignFollower follower_{logic_.Document(), [this] { Refresh(); }};
};

}  // namespace korvane::gui
