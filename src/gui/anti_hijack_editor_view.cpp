#include "gui/anti_hijack_editor_view.h"

#include <QBoxLayout>
#include <QPushButton>

#include "gui/control_binding.h"

namespace korvane::gui {

AntiHijackEditorView::AntiHijackEditorView(ui::AntiHijackEditor& logic, EditorPlace place)
    : ListEditorView(logic, place), logic_(logic), defaults_(new QPushButton(this)) {
    setObjectName(QStringLiteral("AntiHijackEditor"));
    defaults_->setObjectName(QStringLiteral("Defaults"));
    defaults_->setToolTip(QStringLiteral("The standard anti-hijack fittings for the hull's size"));
    ExtraControls().addWidget(defaults_);
    connect(defaults_, &QPushButton::clicked, this, [this] { logic_.InstallDefaults(); });
    Refresh();
}

void AntiHijackEditorView::Refresh() {
    ListEditorView::Refresh();
    ShowButton(*defaults_, logic_.defaults);
}

}  // namespace korvane::gui
