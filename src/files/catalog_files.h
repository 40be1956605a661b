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

// A free name beside the catalog file for keeping an unreadable one:
// "korva.db.broken", "korva.db.broken2", …
std::filesystem::path CatalogAsidePath(const std::filesystem::path& file);

// Moves the catalog file to `kept` together with the journal, write-ahead log
// and shared-memory files SQLite keeps beside it ("-journal", "-wal", "-shm"),
// each to `kept` with the same ending, so that none of them is replayed into
// a new catalog of the old name. What is not there is passed over.
Status MoveCatalogAside(const std::filesystem::path& file, const std::filesystem::path& kept);

// Whether the catalog file, or a journal, log or shared-memory file of it, is there.
bool CatalogLeftoversPresent(const std::filesystem::path& file);

// Writes catalog rows as CSV, replacing any file of that name only once it is complete.
Status WriteCatalogCsvFile(const std::filesystem::path& file,
                           const std::vector<ComponentRecord>& rows);

}  // namespace korvane
