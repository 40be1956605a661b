#pragma once

#include "gui/list_editor_view.h"
#include "ui/editors/craft_editor.h"

namespace korvane::gui {

// The subordinate craft editor's window: the list editor with the launch tube
// button, whose caption tells the launch tubes fitted.
class CraftEditorView final : public ListEditorView {
    Q_OBJECT

public:
    explicit CraftEditorView(ui::CraftEditor& logic, EditorPlace place = EditorPlace::Window);

    void Refresh() override;

private:
    ui::CraftEditor& logic_;
    QPushButton* launch_tubes_;
};

}  // namespace korvane::gui
