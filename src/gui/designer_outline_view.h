#pragma once

#include <QTreeWidget>

#include <array>

#include "engine/breakdown.h"
#include "model/design.h"
#include "ui/editor_table.h"

namespace korvane::gui {

// The designer's outline: a node for every editor of the table of editors,
// those led on to under the one that leads to them, each with its share of
// the design's volume, power or cost beside it and a warning picture while a
// problem of the design concerns it. Choosing a node asks for its editor.
class DesignerOutlineView final : public QTreeWidget {
    Q_OBJECT

public:
    explicit DesignerOutlineView(QWidget* parent);

    // Shows the shares of `quantity` and the problem marks of `design`.
    void ShowDesign(const Design& design, BreakdownQuantity quantity);
    // Makes `id` the current node without asking for its editor again.
    void Select(ui::EditorId id);

signals:
    void editorChosen(ui::EditorId id);

private:
    std::array<QTreeWidgetItem*, ui::kEditorCount> nodes_{};
};

}  // namespace korvane::gui
