#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/component_record.h"
#include "model/result.h"

namespace korvane {

// The recently used design files, rows 1–10 by position.
class RecentEdits {
public:
    virtual ~RecentEdits() = default;
    virtual std::string Filespec(int position) const = 0;  // empty for an empty row
    virtual Status SetFilespec(int position, std::string_view path) = 0;
    // Runs `change` (its reads and writes of the rows) as one transaction: no
    // other program writes the rows in between, and a failure or a kill part
    // way leaves them as they were.
    virtual Status InOneTransaction(const std::function<Status()>& change) = 0;
};

// The rows of "Features" in key order (TABLE, IDNUM), with a cursor: a seek by
// key, the signal that a key was not found, and the walk to the next row. The
// rows never change once read, so copies share them and only the cursor is
// each copy's own: the batch run's workers walk one set of rows, each at its
// own place.
class Catalog {
public:
    Catalog() = default;
    explicit Catalog(std::vector<ComponentRecord> rows);

    // Seeks the row (table, id) and reads it into WorkRecord; a key that is not
    // present reads as BlankRecord.
    const ComponentRecord& LookupComponent(std::string_view table, int id);

    // Copies the current row into WorkRecord, or BlankRecord when there is none.
    const ComponentRecord& ReadCatalogRecord();

    // Moves to the next row in key order; past the last row there is no current row.
    void MoveNext();

    bool NoMatch() const { return cursor_ >= rows_->size(); }
    const ComponentRecord& WorkRecord() const { return work_; }
    const std::vector<ComponentRecord>& Rows() const { return *rows_; }

private:
    std::shared_ptr<const std::vector<ComponentRecord>> rows_ =
        std::make_shared<const std::vector<ComponentRecord>>();
    std::size_t cursor_ = 0;
    ComponentRecord work_{};
};

// Orders rows by (TABLE, IDNUM) as the catalog's key index does.
bool KeyLess(const ComponentRecord& a, const ComponentRecord& b);

}  // namespace korvane
