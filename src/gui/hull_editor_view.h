#pragma once

#include "gui/form_editor_view.h"
#include "ui/editors/hull_editor.h"

namespace korvane::gui {

// The hull editor's window: displacement, configuration and streamlining,
// armour, description, classification and tech level.
class HullEditorView final : public FormEditorView {
    Q_OBJECT

public:
    explicit HullEditorView(ui::HullEditor& logic, EditorPlace place = EditorPlace::Window);
};

}  // namespace korvane::gui
