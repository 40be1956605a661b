// LookupComponent on the in-memory catalog against a prepared SQLite point
// query on the same keys, in the same run.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/ratio_main.h"
#include "files/catalog_files.h"
#include "model/catalog_store.h"
#include "model/standard_catalog.h"

namespace {

using namespace korvane;

struct Key {
    std::string table;
    int id;
};

// Every key of the standard catalog, visited in a scattered order.
std::vector<Key> Keys() {
    std::vector<Key> keys;
    for (const ComponentRecord& row : StandardCatalogRows()) {
        keys.push_back({row.TABLE.str(), row.IDNUM});
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        std::swap(keys[i], keys[(i * 7919) % keys.size()]);
    }
    return keys;
}

std::filesystem::path BenchCatalogFile() {
    static const std::filesystem::path file = [] {
        const auto path = std::filesystem::temp_directory_path() / "korvane-bench-korva.db";
        if (!CreateCatalogFile(path, StandardCatalogRows()).ok()) {
            std::abort();
        }
        return path;
    }();
    return file;
}

void BM_LookupComponentInMemory(benchmark::State& state) {
    auto store = CatalogStore::Open(BenchCatalogFile());
    Catalog& catalog = (*store)->Features();
    const std::vector<Key> keys = Keys();
    std::size_t next = 0;
    for (auto _ : state) {
        const Key& key = keys[next++ % keys.size()];
        benchmark::DoNotOptimize(catalog.LookupComponent(key.table, key.id));
    }
}
BENCHMARK(BM_LookupComponentInMemory);

// The baseline: a prepared point query reading the same row's every column.
void BM_SqlitePointQuery(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(BenchCatalogFile().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM \"Features\" WHERE \"TABLE\" = ? AND \"IDNUM\" = ?", -1,
                       &stmt, nullptr);
    const std::vector<Key> keys = Keys();
    std::size_t next = 0;
    for (auto _ : state) {
        const Key& key = keys[next++ % keys.size()];
        sqlite3_reset(stmt);
        sqlite3_bind_text(stmt, 1, key.table.c_str(), 2, SQLITE_STATIC);
        sqlite3_bind_int(stmt, 2, key.id);
        if (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int column = 0; column < sqlite3_column_count(stmt); ++column) {
                benchmark::DoNotOptimize(sqlite3_column_text(stmt, column));
            }
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}
BENCHMARK(BM_SqlitePointQuery);

}  // namespace

int main(int argc, char** argv) {
    return korvane::bench::RunWithRatios(argc, argv,
                                         {{"BM_LookupComponentInMemory", "BM_SqlitePointQuery"}});
}
