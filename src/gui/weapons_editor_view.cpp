#include "gui/weapons_editor_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "gui/qt_text.h"

namespace korvane::gui {

namespace {

// The factors panel: the type names, then a column under each mounting's heading.
QGroupBox* NewFactorsPanel(QWidget* parent, const ui::WeaponFactorsPanel& panel,
                           const std::function<QLabel*(const ui::Label&, const char*)>& label) {
    auto* box = new QGroupBox(QtText(panel.frame.caption), parent);
    box->setObjectName(QStringLiteral("weapon_factors"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(label(panel.turrets_heading, "turrets_heading"), 0, 1);
    grid->addWidget(label(panel.bays_heading, "bays_heading"), 0, 2);
    grid->addWidget(label(panel.spinal_heading, "spinal_heading"), 0, 3);
    int column = 0;
    for (QLabel* lines :
         {label(panel.names, "weapon_names"), label(panel.turrets, "turret_factors"),
          label(panel.bays, "bay_factors"), label(panel.spinal, "spinal_factors")}) {
        lines->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(lines, 1, column++);
    }
    for (int stretched = 0; stretched < grid->columnCount(); ++stretched) {
        grid->setColumnStretch(stretched, 1);
    }
    return box;
}

}  // namespace

WeaponsEditorView::WeaponsEditorView(ui::WeaponsEditor& logic, EditorPlace place)
    : FormEditorView(logic, place), logic_(logic) {
    setObjectName(QStringLiteral("WeaponsEditor"));
    const auto rounds_changed = [&logic] { logic.RoundsChanged(); };

    AddField(logic.spinal_mount_caption, NewComboBox(logic.spinal_mount, "spinal_mount"));
    AddField(logic.he_rounds_caption, NewTextBox(logic.he_rounds, "he_rounds", rounds_changed));
    AddField(logic.atomic_rounds_caption,
             NewTextBox(logic.atomic_rounds, "atomic_rounds", rounds_changed));
    AddField(logic.antimatter_rounds_caption,
             NewTextBox(logic.antimatter_rounds, "antimatter_rounds", rounds_changed));
    AddWide(NewValueLabel(logic.magazine_total, "magazine_total"));
    AddField(logic.turrets_caption,
             NewLeadOnButton(logic.turrets, "turrets", QStringLiteral("Turrets"),
                             [this] { emit turretsRequested(); }));
    AddField(logic.bays_caption, NewLeadOnButton(logic.bays, "bays", QStringLiteral("Bay weapons"),
                                                 [this] { emit baysRequested(); }));
    AddField(logic.screens_caption,
             NewLeadOnButton(logic.screens, "screens", QStringLiteral("Screens"),
                             [this] { emit screensRequested(); }));
    AddWide(NewFactorsPanel(
        &Frame(), logic.factors,
        [this](const ui::Label& label, const char* name) { return NewValueLabel(label, name); }));
    AddCheckButton(logic.check, [&logic] { logic.Check(); });
    Refresh();
}

void WeaponsEditorView::showEvent(QShowEvent* event) {
    FormEditorView::showEvent(event);
    logic_.Activate();
    Refresh();
}

}  // namespace korvane::gui
