#include "ui/catalog_table.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "model/number_format.h"
#include "model/text_helpers.h"

namespace korvane::ui {

namespace {

std::size_t Index(CatalogColumn column) {
    return static_cast<std::size_t>(column);
}

}  // namespace

const char* CatalogColumnHeading(CatalogColumn column) {
    constexpr std::array<const char*, kCatalogColumns> kHeadings = {"Label", "TL", "KL",
                                                                    "Tons",  "MW", "Cr"};
    return kHeadings[Index(column)];
}

void CatalogTable::Clear() {
    rows_.clear();
    sorted_.clear();
    shown_.clear();
    selected_.reset();
    ++revision_;
}

void CatalogTable::AddRow(const ComponentRecord& record, std::string label, std::string tooltip) {
    std::string folded_label = LowerCase(label);
    rows_.push_back(
        {.key = {record.TABLE.str(), record.IDNUM},
         .label = std::move(label),
         .folded_label = std::move(folded_label),
         .tooltip = std::move(tooltip),
         .values = {0, static_cast<double>(record.TL), record.KL, record.TONS, record.MW,
                    record.CR},
         .cells = {"", std::to_string(record.TL), FormatPattern(record.KL, "#,##0.0"),
                   FormatPattern(record.TONS, "#,##0.0"), FormatPattern(record.MW, "#,##0.00"),
                   FormatPattern(record.CR, "#,##0")}});
    if (sort_order_ != SortOrder::Catalog) {
        Sort();
        return;
    }
    const int index = static_cast<int>(rows_.size()) - 1;
    sorted_.push_back(index);
    if (Matches(rows_.back())) {
        shown_.push_back(index);
    }
    ++revision_;
}

const std::string& CatalogTable::Cell(int row, CatalogColumn column) const {
    return column == CatalogColumn::Label ? Text(row) : At(row).cells[Index(column)];
}

void CatalogTable::SetFilter(std::string_view text) {
    filter_ = text;
    folded_filter_ = LowerCase(text);
    Narrow();
}

void CatalogTable::SortBy(CatalogColumn column) {
    if (column != sort_column_ || sort_order_ == SortOrder::Catalog) {
        sort_order_ = SortOrder::Ascending;
    } else if (sort_order_ == SortOrder::Ascending) {
        sort_order_ = SortOrder::Descending;
    } else {
        sort_order_ = SortOrder::Catalog;
    }
    sort_column_ = column;
    Sort();
}

std::optional<int> CatalogTable::Selected() const {
    if (!selected_) {
        return std::nullopt;
    }
    const auto shown = std::find(shown_.begin(), shown_.end(), *selected_);
    return static_cast<int>(shown - shown_.begin());
}

void CatalogTable::Select(std::optional<int> row) {
    selected_.reset();
    if (row && *row >= 0 && *row < Count()) {
        selected_ = shown_[static_cast<std::size_t>(*row)];
    }
}

void CatalogTable::SelectKey(const CatalogKey& key) {
    selected_.reset();
    for (const int index : shown_) {
        if (rows_[static_cast<std::size_t>(index)].key == key) {
            selected_ = index;
            return;
        }
    }
}

const CatalogKey* CatalogTable::SelectedKey() const {
    return selected_ ? &rows_[static_cast<std::size_t>(*selected_)].key : nullptr;
}

bool CatalogTable::Less(int a, int b) const {
    const Row& x = rows_[static_cast<std::size_t>(a)];
    const Row& y = rows_[static_cast<std::size_t>(b)];
    if (sort_column_ == CatalogColumn::Label) {
        return LessIgnoringCase(x.label, y.label);
    }
    return x.values[Index(sort_column_)] < y.values[Index(sort_column_)];
}

void CatalogTable::Sort() {
    sorted_.resize(rows_.size());
    std::iota(sorted_.begin(), sorted_.end(), 0);
    if (sort_order_ == SortOrder::Ascending) {
        std::stable_sort(sorted_.begin(), sorted_.end(),
                         [this](int a, int b) { return Less(a, b); });
    } else if (sort_order_ == SortOrder::Descending) {
        std::stable_sort(sorted_.begin(), sorted_.end(),
                         [this](int a, int b) { return Less(b, a); });
    }
    Narrow();
}

bool CatalogTable::Matches(const Row& row) const {
    return row.folded_label.find(folded_filter_) != std::string::npos;
}

void CatalogTable::Narrow() {
    shown_.clear();
    for (const int index : sorted_) {
        if (Matches(rows_[static_cast<std::size_t>(index)])) {
            shown_.push_back(index);
        }
    }
    if (selected_ && std::find(shown_.begin(), shown_.end(), *selected_) == shown_.end()) {
        selected_.reset();
    }
    ++revision_;
}

}  // namespace korvane::ui
