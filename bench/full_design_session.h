#pragma once

// The running program's session over the standard catalog, held in a catalog
// file of its own folder, with the full design as its current design.

#include <cstdlib>
#include <filesystem>

#include "app/session.h"
#include "bench/full_design.h"
#include "files/catalog_files.h"
#include "model/catalog_store.h"
#include "model/standard_catalog.h"

namespace korvane::bench {

inline void OpenFullDesignSession(Session& session, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    session.CatalogDir = folder.string() + "/";
    // A benchmark without its catalog measures nothing.
    if (!CreateCatalogFile(session.CatalogPath(), StandardCatalogRows()).ok()) {
        std::abort();
    }
    auto store = CatalogStore::Open(session.CatalogPath());
    if (!store) {
        std::abort();
    }
    session.catalog = std::move(*store);
    session.design = FullDesign(session.catalog->Features());
}

}  // namespace korvane::bench
