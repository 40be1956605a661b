#pragma once

#include <QAbstractTableModel>

#include <cstdint>

#include "ui/catalog_table.h"

namespace korvane::gui {

// The rows a catalog table of the window logic shows, for a table view: the
// label and the figures as text, the figures right-aligned, the row's tooltip,
// and its catalog key as item data (the id as Qt::UserRole, the table code as
// kCodeRole).
class CatalogTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kCodeRole = Qt::UserRole + 1;

    CatalogTableModel(const ui::CatalogTable& table, QObject* parent);

    // Takes the table's rows afresh when they or their order changed; true then.
    bool Update();
    // The catalog key of the row at `index`.
    ui::CatalogKey Key(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const ui::CatalogTable& table_;
    std::uint64_t revision_;
};

}  // namespace korvane::gui
