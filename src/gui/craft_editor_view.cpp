#include "gui/craft_editor_view.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "gui/control_binding.h"

namespace korvane::gui {

CraftEditorView::CraftEditorView(ui::CraftEditor& logic, EditorPlace place)
    : ListEditorView(logic, place),
      logic_(logic),
      launch_tubes_(new QPushButton(this)),
      launch_tube_details_(new QLabel(this)) {
    setObjectName(QStringLiteral("CraftEditor"));
    launch_tubes_->setObjectName(QStringLiteral("LaunchTubes"));
    launch_tubes_->setToolTip(
        QStringLiteral("How many launch tubes, for craft up to what tonnage"));
    launch_tube_details_->setObjectName(QStringLiteral("LaunchTubeDetails"));
    auto* launch_tube = new QVBoxLayout;
    launch_tube->addWidget(launch_tubes_, 0, Qt::AlignLeft);
    launch_tube->addWidget(launch_tube_details_);
    ExtraControls().addLayout(launch_tube);
    connect(launch_tubes_, &QPushButton::clicked, this, [this] { logic_.SetLaunchTubes(); });
    Refresh();
}

void CraftEditorView::Refresh() {
    ListEditorView::Refresh();
    ShowButton(*launch_tubes_, logic_.launch_tubes);
    ShowLabel(*launch_tube_details_, logic_.launch_tube_details);
}

}  // namespace korvane::gui
