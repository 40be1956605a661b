#include "files/catalog_files.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <system_error>

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

namespace {

// The database and the files SQLite keeps beside it while it writes.
constexpr std::array<const char*, 4> kDatabaseEndings = {"", "-journal", "-wal", "-shm"};

bool Present(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

bool AnyPresent(const std::filesystem::path& file) {
    return std::any_of(kDatabaseEndings.begin(), kDatabaseEndings.end(),
                       [&](const char* ending) { return Present(file.string() + ending); });
}

}  // namespace

std::filesystem::path CatalogAsidePath(const std::filesystem::path& file) {
    std::filesystem::path kept = file.string() + ".broken";
    for (int n = 2; AnyPresent(kept); ++n) {
        kept = file.string() + ".broken" + std::to_string(n);
    }
    return kept;
}

bool CatalogLeftoversPresent(const std::filesystem::path& file) {
    return AnyPresent(file);
}

Status MoveCatalogAside(const std::filesystem::path& file, const std::filesystem::path& kept) {
    for (const char* ending : kDatabaseEndings) {
        const std::filesystem::path from = file.string() + ending;
        if (!Present(from)) {
            continue;
        }
        std::error_code error;
        std::filesystem::rename(from, kept.string() + ending, error);
        if (error) {
            return Error{from.string() + ": cannot be moved aside (" + error.message() + ")"};
        }
    }
    return {};
}

Status WriteCatalogCsvFile(const std::filesystem::path& file,
                           const std::vector<ComponentRecord>& rows) {
    return WriteFileAtomically(file, [&](std::ostream& out) { WriteCatalogCsv(out, rows); });
}

}  // namespace korvane
