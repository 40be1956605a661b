#include "gui/designer_outline_view.h"

#include <QHeaderView>
#include <QIcon>
#include <QSignalBlocker>
#include <QStyle>

#include "gui/qt_text.h"
#include "ui/designer_outline.h"

namespace korvane::gui {

namespace {

constexpr int kCaptionColumn = 0;
constexpr int kShareColumn = 1;

}  // namespace

DesignerOutlineView::DesignerOutlineView(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("Outline"));
    setAccessibleName(QStringLiteral("Sections of the design"));
    setColumnCount(2);
    setHeaderLabels({QStringLiteral("Design"), QStringLiteral("Share")});
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(kCaptionColumn, QHeaderView::Stretch);
    header()->setSectionResizeMode(kShareColumn, QHeaderView::ResizeToContents);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    for (const ui::EditorEntry& entry : ui::Editors()) {
        QTreeWidgetItem* node =
            entry.parent ? new QTreeWidgetItem(nodes_[static_cast<std::size_t>(*entry.parent)])
                         : new QTreeWidgetItem(this);
        node->setText(kCaptionColumn,
                      QString::fromLatin1(entry.caption.data(),
                                          static_cast<qsizetype>(entry.caption.size())));
        node->setTextAlignment(kShareColumn, Qt::AlignRight | Qt::AlignVCenter);
        node->setData(kCaptionColumn, Qt::UserRole, static_cast<int>(entry.id));
        nodes_[static_cast<std::size_t>(entry.id)] = node;
    }
    expandAll();
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current) {
            emit editorChosen(
                static_cast<ui::EditorId>(current->data(kCaptionColumn, Qt::UserRole).toInt()));
        }
    });
}

void DesignerOutlineView::ShowDesign(const Design& design, BreakdownQuantity quantity) {
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const ui::OutlineNode& node : ui::DesignOutline(design, quantity)) {
        QTreeWidgetItem* item = nodes_[static_cast<std::size_t>(node.id)];
        item->setText(kShareColumn, QtText(node.share));
        item->setIcon(kCaptionColumn, node.has_problem ? warning : QIcon());
        item->setToolTip(kCaptionColumn,
                         node.has_problem
                             ? QStringLiteral("A problem of the design concerns this section")
                             : QString());
    }
}

void DesignerOutlineView::Select(ui::EditorId id) {
    const QSignalBlocker quiet(this);
    setCurrentItem(nodes_[static_cast<std::size_t>(id)]);
}

}  // namespace korvane::gui
