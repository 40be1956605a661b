#include "gui/power_editor_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <string>

#include "gui/qt_text.h"

namespace korvane::gui {

namespace {

constexpr int kExclusionColumns = 3;

}  // namespace

PowerEditorView::PowerEditorView(ui::PowerEditor& logic) : FormEditorView(logic) {
    setObjectName(QStringLiteral("PowerEditor"));
    QLineEdit* plant_size =
        NewTextBox(logic.plant_size, "plant_size", [&logic] { logic.PlantSizeChanged(); });
    QLineEdit* endurance_hours = NewTextBox(logic.endurance_hours, "endurance_hours",
                                            [&logic] { logic.EnduranceChanged(); });
    auto* suggested_caption = new QLabel(LabelText(logic.suggested_caption.caption), &Frame());

    AddField(logic.plant_caption, NewComboBox(logic.plant, "plant"));
    AddField(logic.plant_size_caption, plant_size,
             {suggested_caption, NewValueLabel(logic.suggested_size, "suggested_size")});
    AddField(logic.endurance_caption, endurance_hours,
             {NewValueLabel(logic.endurance_days, "endurance_days")});
    AddField(logic.extended_caption, NewValueLabel(logic.extended_hours, "extended_hours"),
             {NewValueLabel(logic.extended_days, "extended_days")});
    AddField(logic.cruise_g_caption, NewComboBox(logic.cruise_g, "cruise_g"));

    auto* exclusions = new QGroupBox(QtText(logic.exclusions_caption.caption), &Frame());
    exclusions->setObjectName(QStringLiteral("exclusions"));
    auto* grid = new QGridLayout(exclusions);
    for (int k = 0; k < ui::PowerEditor::kExclusionCount; ++k) {
        const std::string name = "exclusion_" + std::to_string(k);
        grid->addWidget(NewCheckBox(logic.exclusions[k], name.c_str(), exclusions),
                        k / kExclusionColumns, k % kExclusionColumns);
    }
    AddWide(exclusions);

    AddButton(logic.check, "check", [this, &logic] {
        logic.Check();
        Refresh();
    });
    AddButton(logic.defaults, "defaults", [this, &logic] {
        logic.Defaults();
        Refresh();
    });
    AddButton(logic.help, "help", [&logic] { logic.ExplainExtendedEndurance(); });
    Refresh();
}

}  // namespace korvane::gui
