#pragma once

#include <filesystem>
#include <iosfwd>
#include <string_view>
#include <vector>

#include "model/component_record.h"
#include "model/result.h"

namespace korvane {

// Catalog rows as CSV: UTF-8, a header naming every record field, one row per
// component. Messages name the source, the line and the field.
Result<std::vector<ComponentRecord>> ReadCatalogCsv(std::istream& in, std::string_view source_name);

void WriteCatalogCsv(std::ostream& out, const std::vector<ComponentRecord>& rows);

}  // namespace korvane
