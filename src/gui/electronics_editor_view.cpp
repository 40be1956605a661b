#include "gui/electronics_editor_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QToolButton>

namespace korvane::gui {

ElectronicsEditorView::ElectronicsEditorView(ui::ElectronicsEditor& logic, EditorPlace place)
    : FormEditorView(logic, place) {
    setObjectName(QStringLiteral("ElectronicsEditor"));
    QToolButton* sensors = NewLeadOnButton(logic.sensors, "sensors", QStringLiteral("Sensors"),
                                           [this] { emit sensorsRequested(); });
    QToolButton* communicators =
        NewLeadOnButton(logic.communicators, "communicators", QStringLiteral("Communicators"),
                        [this] { emit communicatorsRequested(); });

    AddField(logic.avionics_caption, NewComboBox(logic.avionics, "avionics"));
    AddWide(NewCheckBox(logic.em_mask, "em_mask"));
    AddField(logic.sensors_caption, sensors);
    AddField(logic.communicators_caption, communicators);
    Refresh();
}

}  // namespace korvane::gui
