#include "support/test_session.h"

#include <gtest/gtest.h>

#include "app/new_design.h"
#include "files/catalog_files.h"
#include "model/standard_catalog.h"

namespace korvane::testing {

void StartTestSession(Session& session, const std::filesystem::path& folder) {
    session.CatalogDir = folder.string() + "/";
    ASSERT_TRUE(CreateCatalogFile(session.CatalogPath(), StandardCatalogRows()).ok());
    auto store = CatalogStore::Open(session.CatalogPath());
    ASSERT_TRUE(store) << store.message();
    session.catalog = std::move(*store);
    NewDesign(session.design, session.catalog->Features());
}

}  // namespace korvane::testing
