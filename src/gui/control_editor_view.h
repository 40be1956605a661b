#pragma once

#include "gui/form_editor_view.h"
#include "ui/editors/control_editor.h"

namespace korvane::gui {

// The control editor's window: the computers, the control panels, the
// displays and the auxiliary bridge.
class ControlEditorView final : public FormEditorView {
    Q_OBJECT

public:
    explicit ControlEditorView(ui::ControlEditor& logic, EditorPlace place = EditorPlace::Window);
};

}  // namespace korvane::gui
