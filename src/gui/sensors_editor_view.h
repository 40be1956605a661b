#pragma once

#include "gui/list_editor_view.h"
#include "ui/editors/sensors_editor.h"

class QLabel;

namespace korvane::gui {

// The sensors editor's window: the list editor with "Defaults" and the scan
// results of the installed sensors.
class SensorsEditorView final : public ListEditorView {
    Q_OBJECT

public:
    explicit SensorsEditorView(ui::SensorsEditor& logic, EditorPlace place = EditorPlace::Window);

    void Refresh() override;

private:
    ui::SensorsEditor& logic_;
    QPushButton* defaults_;
    QLabel* scan_results_;
};

}  // namespace korvane::gui
