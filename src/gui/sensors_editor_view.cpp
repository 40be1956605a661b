#include "gui/sensors_editor_view.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "gui/control_binding.h"

namespace korvane::gui {

SensorsEditorView::SensorsEditorView(ui::SensorsEditor& logic, EditorPlace place)
    : ListEditorView(logic, place),
      logic_(logic),
      defaults_(new QPushButton(this)),
      scan_results_(new QLabel(this)) {
    setObjectName(QStringLiteral("SensorsEditor"));
    defaults_->setObjectName(QStringLiteral("Defaults"));
    scan_results_->setObjectName(QStringLiteral("ScanResults"));
    defaults_->setToolTip(QStringLiteral("A standard sensor suite for the design's tech level"));
    ExtraControls().addWidget(defaults_);
    ExtraControls().addWidget(scan_results_);
    connect(defaults_, &QPushButton::clicked, this, [this] { logic_.InstallDefaults(); });
    Refresh();
}

void SensorsEditorView::Refresh() {
    ListEditorView::Refresh();
    ShowButton(*defaults_, logic_.defaults);
    ShowLabel(*scan_results_, logic_.scan_results);
}

}  // namespace korvane::gui
