#include "gui/drives_editor_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "gui/qt_text.h"

namespace korvane::gui {

DrivesEditorView::DrivesEditorView(ui::DrivesEditor& logic, EditorPlace place)
    : FormEditorView(logic, place) {
    setObjectName(QStringLiteral("DrivesEditor"));
    AddField(logic.jump_drive_caption, NewComboBox(logic.jump_drive, "jump_drive"));
    AddField(logic.maneuver_drive_caption, NewComboBox(logic.maneuver_drive, "maneuver_drive"));
    AddField(logic.extra_jump_fuel_caption, NewComboBox(logic.extra_jump_fuel, "extra_jump_fuel"));
    AddField(logic.purifiers_caption, NewComboBox(logic.purifiers, "purifiers"));
    AddField(logic.hours_to_purify_caption, NewTextBox(logic.hours_to_purify, "hours_to_purify"));

    auto* options = new QWidget(&Frame());
    auto* grid = new QGridLayout(options);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(NewCheckBox(logic.scoops, "scoops", options), 0, 0);
    grid->addWidget(
        NewCheckBox(logic.low_maintenance_maneuver, "low_maintenance_maneuver", options), 1, 0);
    grid->addWidget(NewCheckBox(logic.low_maintenance_jump, "low_maintenance_jump", options), 2, 0);
    grid->addWidget(
        NewCheckBox(logic.high_performance_maneuver, "high_performance_maneuver", options), 3, 0);
    const auto add_overdrive = [&](ui::CheckBox& fitted, const char* fitted_name,
                                   const ui::Label& caption, ui::TextBox& tonnage,
                                   const char* tonnage_name, int row) {
        grid->addWidget(NewCheckBox(fitted, fitted_name, options), row, 0);
        auto* tonnage_text = NewTextBox(tonnage, tonnage_name, nullptr, options);
        auto* tonnage_caption = new QLabel(QtText(caption.caption), options);
        tonnage_caption->setBuddy(tonnage_text);
        grid->addWidget(tonnage_caption, row, 1);
        grid->addWidget(tonnage_text, row, 2);
    };
    add_overdrive(logic.jump_overdrive, "jump_overdrive", logic.jump_overdrive_tonnage_caption,
                  logic.jump_overdrive_tonnage, "jump_overdrive_tonnage", 4);
    add_overdrive(logic.maneuver_overdrive, "maneuver_overdrive",
                  logic.maneuver_overdrive_tonnage_caption, logic.maneuver_overdrive_tonnage,
                  "maneuver_overdrive_tonnage", 5);
    grid->setColumnStretch(2, 1);
    AddWide(options);

    AddCheckButton(logic.check, [&logic] { logic.Check(); });
    Refresh();
}

}  // namespace korvane::gui
