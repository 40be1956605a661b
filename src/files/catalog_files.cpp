#include "files/catalog_files.h"

#include <ostream>

#include "files/atomic_write.h"
#include "model/catalog_csv.h"
#include "model/catalog_store.h"

namespace korvane {

Status CreateCatalogFile(const std::filesystem::path& file,
                         const std::vector<ComponentRecord>& rows) {
    RemoveStaleTemporaries(file);
    const std::filesystem::path temporary = TemporarySibling(file);
    const Status written = WriteNewCatalogDatabase(temporary, rows, file);
    if (!written) {
        return written;
    }
    return ReplaceWith(temporary, file);
}

Status WriteCatalogCsvFile(const std::filesystem::path& file,
                           const std::vector<ComponentRecord>& rows) {
    return WriteFileAtomically(file, [&](std::ostream& out) { WriteCatalogCsv(out, rows); });
}

}  // namespace korvane
