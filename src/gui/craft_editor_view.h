#pragma once

#include "gui/list_editor_view.h"
#include "ui/editors/craft_editor.h"

class QLabel;

namespace korvane::gui {

// The subordinate craft editor's window: the list editor with the launch tube
// button, whose caption tells the launch tubes fitted, and their details under it.
class CraftEditorView final : public ListEditorView {
    Q_OBJECT

public:
    explicit CraftEditorView(ui::CraftEditor& logic, EditorPlace place = EditorPlace::Window);

    void Refresh() override;

private:
    ui::CraftEditor& logic_;
    QPushButton* launch_tubes_;
    QLabel* launch_tube_details_;
};

}  // namespace korvane::gui
