#pragma once

#include <filesystem>
#include <vector>

#include "model/component_record.h"
#include "model/result.h"

namespace korvane {

// Writes a new catalog file holding `rows` and ten empty recent-file rows,
// replacing any file of that name only once it is complete.
Status CreateCatalogFile(const std::filesystem::path& file,
                         const std::vector<ComponentRecord>& rows);

// Writes catalog rows as CSV, replacing any file of that name only once it is complete.
Status WriteCatalogCsvFile(const std::filesystem::path& file,
                           const std::vector<ComponentRecord>& rows);

}  // namespace korvane
