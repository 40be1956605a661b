#include "model/catalog.h"

#include <algorithm>
#include <cstdint>

namespace korvane {

namespace {

// (TABLE, IDNUM) as one number that orders as the pair does: the family's two
// bytes compared as unsigned, as texts compare, then the id.
std::uint32_t SortKey(const FixedText<2>& table, std::int16_t id) {
    const auto byte = [&table](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(table[i]));
    };
    return byte(0) << 24 | byte(1) << 16 | static_cast<std::uint16_t>(id + 32768);
}

}  // namespace

bool KeyLess(const ComponentRecord& a, const ComponentRecord& b) {
    return SortKey(a.TABLE, a.IDNUM) < SortKey(b.TABLE, b.IDNUM);
}

namespace {

std::vector<ComponentRecord> InKeyOrder(std::vector<ComponentRecord> rows) {
    std::stable_sort(rows.begin(), rows.end(), KeyLess);
    return rows;
}

}  // namespace

Catalog::Catalog(std::vector<ComponentRecord> rows)
    : rows_(std::make_shared<const std::vector<ComponentRecord>>(InKeyOrder(std::move(rows)))),
      cursor_(rows_->size()) {}

const ComponentRecord& Catalog::LookupComponent(std::string_view table, int id) {
    const FixedText<2> family(table);
    const auto key_id = static_cast<std::int16_t>(id);
    const std::uint32_t key = SortKey(family, key_id);
    const std::vector<ComponentRecord>& rows = *rows_;
    const auto found = std::lower_bound(rows.begin(), rows.end(), key,
                                        [](const ComponentRecord& row, std::uint32_t k) {
                                            return SortKey(row.TABLE, row.IDNUM) < k;
                                        });
    const bool match =
        found != rows.end() && found->TABLE == family && found->IDNUM == id && id == key_id;
    cursor_ = match ? static_cast<std::size_t>(found - rows.begin()) : rows.size();
    return ReadCatalogRecord();
}

const ComponentRecord& Catalog::ReadCatalogRecord() {
    work_ = NoMatch() ? BlankRecord : (*rows_)[cursor_];
    return work_;
}

void Catalog::MoveNext() {
    if (cursor_ < rows_->size()) {
        ++cursor_;
    }
}

}  // namespace korvane
