#pragma once

#include <string>
#include <vector>

#include "model/component_record.h"

namespace korvane {

// Everything that keeps `rows` from serving as the program's catalog: keys that
// repeat, families whose ids do not run from 1 without gaps, rows the program
// addresses by id that are missing, and figures the calculation cannot use.
// Empty when the catalog is sound.
std::vector<std::string> CheckCatalog(const std::vector<ComponentRecord>& rows);

}  // namespace korvane
