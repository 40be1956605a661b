#include "gui/power_editor_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>

#include "gui/qt_text.h"

namespace korvane::gui {

namespace {

constexpr int kExclusionColumns = 3;

}  // namespace

PowerEditorView::PowerEditorView(ui::PowerEditor& logic, EditorPlace place)
    : FormEditorView(logic, place) {
    setObjectName(QStringLiteral("PowerEditor"));
    QLineEdit* plant_size =
        NewTextBox(logic.plant_size, "plant_size", [&logic] { logic.PlantSizeChanged(); });
    QLineEdit* endurance_hours = NewTextBox(logic.endurance_hours, "endurance_hours",
                                            [&logic] { logic.EnduranceChanged(); });
    auto* suggested_caption = new QLabel(LabelText(logic.suggested_caption.caption), &Frame());

    QComboBox* plant = NewComboBox(logic.plant, "plant");
    connect(plant, &QComboBox::currentIndexChanged, this, [this, &logic] {
        logic.PlantChosen();
        Refresh();
    });
    auto* use_suggested = new QPushButton(&Frame());
    use_suggested->setObjectName(QStringLiteral("use_suggested"));
    use_suggested->setAutoDefault(false);
    use_suggested->setToolTip(QStringLiteral(
        "The smallest size, to the tenth of a kl, at which the chosen plant gives the "
        "power the design uses once recalculated with it: the plant's own size "
        "changes the power used"));
    bindings().Bind(*use_suggested, logic.use_suggested, [this, &logic] {
        logic.UseSuggestedSize();
        Refresh();
    });

    AddField(logic.plant_caption, plant);
    AddField(logic.plant_details_caption, NewValueLabel(logic.plant_details, "plant_details"));
    AddField(
        logic.plant_size_caption, plant_size,
        {suggested_caption, NewValueLabel(logic.suggested_size, "suggested_size"), use_suggested});
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

    AddCheckButton(logic.check, [&logic] { logic.Check(); });
    AddButton(logic.defaults, "defaults", [this, &logic] {
        logic.Defaults();
        Refresh();
    });
    AddButton(logic.help, "help", [&logic] { logic.ExplainExtendedEndurance(); });
    Refresh();
}

}  // namespace korvane::gui
