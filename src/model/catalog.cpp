#include "model/catalog.h"

#include <algorithm>
#include <tuple>

namespace korvane {

bool KeyLess(const ComponentRecord& a, const ComponentRecord& b) {
    return std::forward_as_tuple(a.TABLE.view(), a.IDNUM) <
           std::forward_as_tuple(b.TABLE.view(), b.IDNUM);
}

Catalog::Catalog(std::vector<ComponentRecord> rows)
    : rows_(std::move(rows)), cursor_(rows_.size()) {
    std::stable_sort(rows_.begin(), rows_.end(), KeyLess);
}

const ComponentRecord& Catalog::LookupComponent(std::string_view table, int id) {
    ComponentRecord key;
    key.TABLE = table;
    key.IDNUM = static_cast<std::int16_t>(id);
    const auto found = std::lower_bound(rows_.begin(), rows_.end(), key, KeyLess);
    const bool match =
        found != rows_.end() && found->TABLE == key.TABLE && found->IDNUM == id && id == key.IDNUM;
    cursor_ = match ? static_cast<std::size_t>(found - rows_.begin()) : rows_.size();
    return ReadCatalogRecord();
}

const ComponentRecord& Catalog::ReadCatalogRecord() {
    work_ = NoMatch() ? BlankRecord : rows_[cursor_];
    return work_;
}

void Catalog::MoveNext() {
    if (cursor_ < rows_.size()) {
        ++cursor_;
    }
}

}  // namespace korvane
