#pragma once

#include <string_view>
#include <vector>

#include "model/component_record.h"

namespace korvane {

// The standard catalog built into the program (catalog/standard.csv).
std::string_view StandardCatalogCsv();

// Its rows in key order. The text is part of the program and is checked by the
// test suite, so reading it cannot fail at run time.
const std::vector<ComponentRecord>& StandardCatalogRows();

}  // namespace korvane
