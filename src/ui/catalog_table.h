#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/component_record.h"

namespace korvane::ui {

// A catalog row's key: its table code and id.
struct CatalogKey {
    std::string code;
    int id = 0;

    friend bool operator==(const CatalogKey&, const CatalogKey&) = default;
};

enum class CatalogColumn { Label, TechLevel, Volume, Mass, Power, Cost };
inline constexpr int kCatalogColumns = 6;

// "Label", "TL", "KL", "Tons", "MW", "Cr".
const char* CatalogColumnHeading(CatalogColumn column);

enum class SortOrder { Catalog, Ascending, Descending };

// Catalog rows shown as a table, one column per figure of a unit, narrowed by
// a filter on the label and sorted by a column. A row is known by its catalog
// key, never by where it stands: filtering and sorting move rows, and the
// selected row stays selected while it is shown.
class CatalogTable {
public:
    void Clear();
    // A row for `record`, its label column showing `label`, its tooltip `tooltip`.
    void AddRow(const ComponentRecord& record, std::string label, std::string tooltip);

    // The rows shown, in the order shown.
    int Count() const { return static_cast<int>(shown_.size()); }
    const std::string& Text(int row) const { return At(row).label; }
    const std::string& Cell(int row, CatalogColumn column) const;
    const std::string& ToolTip(int row) const { return At(row).tooltip; }
    const CatalogKey& Key(int row) const { return At(row).key; }

    // Shows only the rows whose label holds `text`, ignoring case; an empty
    // text shows every row.
    void SetFilter(std::string_view text);
    const std::string& Filter() const { return filter_; }

    // A click on a column's heading: ascending, then descending, then back to
    // the catalog's own order; another column starts again at ascending. Rows
    // that sort alike keep the catalog's order.
    void SortBy(CatalogColumn column);
    CatalogColumn SortColumn() const { return sort_column_; }
    SortOrder Order() const { return sort_order_; }

    // The selected row's position among the rows shown, if one is selected.
    std::optional<int> Selected() const;
    // Selects `row` of the rows shown; anything else clears the selection.
    void Select(std::optional<int> row);
    // Selects the row of `key` when it is shown; otherwise clears the selection.
    void SelectKey(const CatalogKey& key);
    const CatalogKey* SelectedKey() const;

    // Counts every change of the rows shown or of their order, so that a view
    // rebuilds its rows only when they changed.
    std::uint64_t Revision() const { return revision_; }

private:
    struct Row {
        CatalogKey key;
        std::string label;
        std::string folded_label;  // the label in lower case, as filters are matched
        std::string tooltip;
        std::array<double, kCatalogColumns> values{};
        std::array<std::string, kCatalogColumns> cells;
    };
    const Row& At(int row) const {
        return rows_[static_cast<std::size_t>(shown_.at(static_cast<std::size_t>(row)))];
    }
    bool Less(int a, int b) const;
    bool Matches(const Row& row) const;
    void Sort();
    void Narrow();

    std::vector<Row> rows_;    // in catalog order
    std::vector<int> sorted_;  // rows_ in the order shown
    std::vector<int> shown_;   // sorted_ narrowed by the filter
    std::string filter_;
    std::string folded_filter_;
    CatalogColumn sort_column_ = CatalogColumn::Label;
    SortOrder sort_order_ = SortOrder::Catalog;
    std::optional<int> selected_;  // into rows_
    std::uint64_t revision_ = 0;
};

}  // namespace korvane::ui
