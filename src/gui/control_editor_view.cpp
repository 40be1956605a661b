#include "gui/control_editor_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace korvane::gui {

ControlEditorView::ControlEditorView(ui::ControlEditor& logic, EditorPlace place)
    : FormEditorView(logic, place) {
    setObjectName(QStringLiteral("ControlEditor"));
    AddField(logic.main_computer_caption, NewComboBox(logic.main_computer, "main_computer"));
    AddField(logic.backup_computer_caption, NewComboBox(logic.backup_computer, "backup_computer"));
    AddField(logic.control_panels_caption, NewComboBox(logic.control_panels, "control_panels"));
    AddField(logic.heads_up_displays_caption,
             NewTextBox(logic.heads_up_displays, "heads_up_displays"));
    AddField(logic.large_holodisplays_caption,
             NewTextBox(logic.large_holodisplays, "large_holodisplays"));
    AddField(logic.head_up_holodisplays_caption,
             NewTextBox(logic.head_up_holodisplays, "head_up_holodisplays"));
    AddWide(NewCheckBox(logic.auxiliary_bridge, "auxiliary_bridge"));
    AddCheckButton(logic.check, [&logic] { logic.Check(); });
    Refresh();
}

}  // namespace korvane::gui
