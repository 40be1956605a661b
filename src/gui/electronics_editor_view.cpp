#include "gui/electronics_editor_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QStyle>
#include <QToolButton>

namespace korvane::gui {

namespace {

QToolButton* NewLeadOnButton(QWidget* parent, const char* name, const QString& tool_tip) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(parent->style()->standardIcon(QStyle::SP_ArrowForward));
    button->setToolTip(tool_tip);
    return button;
}

}  // namespace

ElectronicsEditorView::ElectronicsEditorView(ui::ElectronicsEditor& logic) : FormEditorView(logic) {
    setObjectName(QStringLiteral("ElectronicsEditor"));
    QToolButton* sensors = NewLeadOnButton(&Frame(), "sensors", QStringLiteral("Sensors"));
    QToolButton* communicators =
        NewLeadOnButton(&Frame(), "communicators", QStringLiteral("Communicators"));
    bindings().Bind(*sensors, logic.sensors, [this] {
        hide();
        emit sensorsRequested();
    });
    bindings().Bind(*communicators, logic.communicators, [this] {
        hide();
        emit communicatorsRequested();
    });

    AddField(logic.avionics_caption, NewComboBox(logic.avionics, "avionics"));
    AddWide(NewCheckBox(logic.em_mask, "em_mask"));
    AddField(logic.sensors_caption, sensors);
    AddField(logic.communicators_caption, communicators);
    Refresh();
}

}  // namespace korvane::gui
