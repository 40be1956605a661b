#include "gui/hull_editor_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "gui/qt_text.h"

namespace korvane::gui {

namespace {

constexpr int kDescriptionWidth = 50;

}  // namespace

HullEditorView::HullEditorView(ui::HullEditor& logic, EditorPlace place)
    : FormEditorView(logic, place) {
    setObjectName(QStringLiteral("HullEditor"));
    QLineEdit* displacement = NewTextBox(logic.displacement, "displacement");
    QComboBox* streamlining = NewComboBox(logic.streamlining, "streamlining");
    streamlining->setMinimumContentsLength(0);
    streamlining->setToolTip(QStringLiteral("Streamlining"));
    auto* help = new QPushButton(&Frame());
    help->setObjectName(QStringLiteral("free_armour_help"));
    help->setToolTip(QStringLiteral("What 'Free' armour means"));
    bindings().Bind(*help, logic.free_armour_help, [&logic] { logic.ExplainFreeArmour(); });
    QLineEdit* description = NewTextBox(logic.description, "description");
    // The name is stored in 50 characters: what the box shows is what is kept,
    // and nothing typed after that is cut away unseen.
    description->setMaxLength(kDescriptionWidth);
    description->setMinimumWidth(description->fontMetrics().horizontalAdvance(QLatin1Char('M')) *
                                 kDescriptionWidth * 2 / 3);

    AddField(logic.displacement_caption, displacement);
    AddField(logic.configuration_caption, NewComboBox(logic.configuration, "configuration"),
             {streamlining});
    AddField(logic.armour_type_caption, NewComboBox(logic.armour_type, "armour_type"));
    AddField(logic.armour_value_caption, NewComboBox(logic.armour_value, "armour_value"),
             {NewCheckBox(logic.free_armour, "free_armour"), help});
    AddField(logic.description_caption, description);
    AddField(logic.classification_caption, NewComboBox(logic.classification, "classification"));
    AddField(logic.tech_level_caption, NewComboBox(logic.tech_level, "tech_level"));
    Refresh();
}

}  // namespace korvane::gui
