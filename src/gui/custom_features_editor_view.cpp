#include "gui/custom_features_editor_view.h"

#include <QBoxLayout>
#include <QPushButton>

#include "gui/control_binding.h"

namespace korvane::gui {

CustomFeaturesEditorView::CustomFeaturesEditorView(ui::CustomFeaturesEditor& logic,
                                                   EditorPlace place)
    : ListEditorView(logic, place), logic_(logic), add_one_(new QPushButton(this)) {
    setObjectName(QStringLiteral("CustomFeaturesEditor"));
    add_one_->setObjectName(QStringLiteral("AddOne"));
    ExtraControls().addWidget(add_one_);
    connect(add_one_, &QPushButton::clicked, this, [this] { logic_.AddOne(); });
    Refresh();
}

void CustomFeaturesEditorView::Refresh() {
    ListEditorView::Refresh();
    ShowButton(*add_one_, logic_.add_one);
}

}  // namespace korvane::gui
