#pragma once

#include "gui/form_editor_view.h"
#include "ui/editors/power_editor.h"

namespace korvane::gui {

// The power editor's window: the plant and its size with the suggested size,
// the endurance in hours, days and weeks, the cruise G and the systems left
// out of the extended endurance.
class PowerEditorView final : public FormEditorView {
    Q_OBJECT

public:
    explicit PowerEditorView(ui::PowerEditor& logic, EditorPlace place = EditorPlace::Window);
};

}  // namespace korvane::gui
