#include "gui/catalog_table_model.h"

#include <algorithm>
#include <string>

#include "gui/qt_text.h"
#include "model/text_helpers.h"

namespace korvane::gui {

namespace {

ui::CatalogColumn Column(int section) {
    return static_cast<ui::CatalogColumn>(section);
}

// A label as it shows: a text field never set holds NUL bytes, shown as blanks.
QString ShownLabel(std::string label) {
    std::replace(label.begin(), label.end(), '\0', ' ');
    return QtText(TrimmedEnd(label));
}

}  // namespace

CatalogTableModel::CatalogTableModel(const ui::CatalogTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table), revision_(table.Revision()) {}

bool CatalogTableModel::Update() {
    if (revision_ == table_.Revision()) {
        return false;
    }
    beginResetModel();
    revision_ = table_.Revision();
    endResetModel();
    return true;
}

ui::CatalogKey CatalogTableModel::Key(const QModelIndex& index) const {
    return {Cp1252Text(index.data(kCodeRole).toString()), index.data(Qt::UserRole).toInt()};
}

int CatalogTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.Count();
}

int CatalogTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ui::kCatalogColumns;
}

QVariant CatalogTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= table_.Count()) {
        return {};
    }
    const ui::CatalogColumn column = Column(index.column());
    switch (role) {
        case Qt::DisplayRole:
            return column == ui::CatalogColumn::Label ? ShownLabel(table_.Text(index.row()))
                                                      : QtText(table_.Cell(index.row(), column));
        case Qt::TextAlignmentRole:
            return column == ui::CatalogColumn::Label ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                                      : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::ToolTipRole:
            return PlainToolTip(QtText(table_.ToolTip(index.row())));
        case Qt::UserRole:
            return table_.Key(index.row()).id;
        case kCodeRole:
            return QtText(table_.Key(index.row()).code);
        default:
            return {};
    }
}

QVariant CatalogTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ui::kCatalogColumns) {
        return {};
    }
    return QString::fromLatin1(ui::CatalogColumnHeading(Column(section)));
}

}  // namespace korvane::gui
