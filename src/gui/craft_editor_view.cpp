#include "gui/craft_editor_view.h"

#include <QBoxLayout>
#include <QPushButton>

#include "gui/control_binding.h"

namespace korvane::gui {

CraftEditorView::CraftEditorView(ui::CraftEditor& logic, EditorPlace place)
    : ListEditorView(logic, place), logic_(logic), launch_tubes_(new QPushButton(this)) {
    setObjectName(QStringLiteral("CraftEditor"));
    launch_tubes_->setObjectName(QStringLiteral("LaunchTubes"));
    launch_tubes_->setToolTip(
        QStringLiteral("How many launch tubes, for craft up to what tonnage"));
    ExtraControls().addWidget(launch_tubes_);
    connect(launch_tubes_, &QPushButton::clicked, this, [this] { logic_.SetLaunchTubes(); });
    Refresh();
}

void CraftEditorView::Refresh() {
    ListEditorView::Refresh();
    ShowButton(*launch_tubes_, logic_.launch_tubes);
}

}  // namespace korvane::gui
