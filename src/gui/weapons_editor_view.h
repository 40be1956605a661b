#pragma once

#include "gui/form_editor_view.h"
#include "ui/editors/weapons_editor.h"

namespace korvane::gui {

// The weapon systems editor's window: the spinal mount, the magazine's
// battery rounds and total, the buttons that lead on to the turrets, bay
// weapons and screens editors, and the "Weapon factors" panel. "Done" stores
// and closes, "Check" stores and stays; Escape and the close box close
// without storing.
class WeaponsEditorView final : public FormEditorView {
    Q_OBJECT

public:
    explicit WeaponsEditorView(ui::WeaponsEditor& logic, EditorPlace place = EditorPlace::Window);

signals:
    // The window leads on to a list editor; it is hidden until that one is done.
    void turretsRequested();
    void baysRequested();
    void screensRequested();

protected:
    // Shown again after a list editor: the factors and the total follow the design.
    void showEvent(QShowEvent* event) override;

private:
    ui::WeaponsEditor& logic_;
};

}  // namespace korvane::gui
