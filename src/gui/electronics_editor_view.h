#pragma once

#include "gui/form_editor_view.h"
#include "ui/editors/electronics_editor.h"

namespace korvane::gui {

// The electronics editor's window: avionics and EM mask, and the buttons
// that lead on to the sensors and the communicators.
class ElectronicsEditorView final : public FormEditorView {
    Q_OBJECT

public:
    explicit ElectronicsEditorView(ui::ElectronicsEditor& logic,
                                   EditorPlace place = EditorPlace::Window);

signals:
    // The window leads on to a list editor; it is hidden until that one is done.
    void sensorsRequested();
    void communicatorsRequested();
};

}  // namespace korvane::gui
