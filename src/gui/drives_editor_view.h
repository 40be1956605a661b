#pragma once

#include "gui/form_editor_view.h"
#include "ui/editors/drives_editor.h"

namespace korvane::gui {

// The drives editor's window: the drive ratings, spare fuel, scoops and
// purifiers, and the drive options with the overdrives' tonnages.
class DrivesEditorView final : public FormEditorView {
    Q_OBJECT

public:
    explicit DrivesEditorView(ui::DrivesEditor& logic, EditorPlace place = EditorPlace::Window);
};

}  // namespace korvane::gui
