#pragma once

#include "gui/list_editor_view.h"
#include "ui/editors/custom_features_editor.h"

namespace korvane::gui {

// The custom features editor's window: the installed list alone, with "Add One".
class CustomFeaturesEditorView final : public ListEditorView {
    Q_OBJECT

public:
    explicit CustomFeaturesEditorView(ui::CustomFeaturesEditor& logic,
                                      EditorPlace place = EditorPlace::Window);

    void Refresh() override;

private:
    ui::CustomFeaturesEditor& logic_;
    QPushButton* add_one_;
};

}  // namespace korvane::gui
