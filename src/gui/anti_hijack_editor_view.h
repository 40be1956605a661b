#pragma once

#include "gui/list_editor_view.h"
#include "ui/editors/anti_hijack_editor.h"

namespace korvane::gui {

// The anti-hijack editor's window: the list editor with "Defaults".
class AntiHijackEditorView final : public ListEditorView {
    Q_OBJECT

public:
    explicit AntiHijackEditorView(ui::AntiHijackEditor& logic,
                                  EditorPlace place = EditorPlace::Window);

    void Refresh() override;

private:
    ui::AntiHijackEditor& logic_;
    QPushButton* defaults_;
};

}  // namespace korvane::gui
