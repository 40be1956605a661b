#include "files/catalog_files.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "model/catalog_csv.h"
#include "model/catalog_store.h"
#include "model/standard_catalog.h"
#include "support/stale_temporary.h"
#include "support/temp_dir.h"

namespace korvane {
namespace {

using testing::TempDir;

std::set<std::string> FilesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

TEST(CatalogFiles, CreatingOverAnExistingFileReplacesItWhole) {
    TempDir dir;
    const std::filesystem::path file = dir / "korva.db";
    testing::WriteText(file, "junk");
    ASSERT_TRUE(CreateCatalogFile(file, StandardCatalogRows()).ok());
    auto store = CatalogStore::Open(file);
    ASSERT_TRUE(store) << store.message();
    EXPECT_EQ((*store)->Features().Rows(), StandardCatalogRows());
    EXPECT_EQ(FilesIn(dir.path()), std::set<std::string>{"korva.db"}) << "no temporary file left";
}

TEST(CatalogFiles, CreatingClearsWhatAnInterruptedCreationLeft) {
    TempDir dir;
    const std::string stale = testing::StaleTemporaryName("korva.db");
    testing::WriteText(dir / stale, "an interrupted creation");
    testing::WriteText(dir / (stale + "-journal"), "its SQLite journal");
    ASSERT_TRUE(CreateCatalogFile(dir / "korva.db", StandardCatalogRows()).ok());
    EXPECT_EQ(FilesIn(dir.path()), std::set<std::string>{"korva.db"});
}

TEST(CatalogFiles, AFailedCreateNamesTheCatalogFileAndLeavesNothingBehind) {
    TempDir dir;
    const std::filesystem::path file = dir / "missing-folder" / "korva.db";
    const Status created = CreateCatalogFile(file, StandardCatalogRows());
    ASSERT_FALSE(created.ok());
    EXPECT_EQ(created.message().rfind(file.string() + ":", 0), 0u)
        << "the catalog file, not its temporary name: " << created.message();
    EXPECT_TRUE(FilesIn(dir.path()).empty());
}

TEST(CatalogFiles, TheCsvFileHoldsWhatTheStreamWriterWrites) {
    TempDir dir;
    const std::filesystem::path file = dir / "catalog.csv";
    testing::WriteText(file, "an older export");
    ASSERT_TRUE(WriteCatalogCsvFile(file, StandardCatalogRows()).ok());
    std::ostringstream expected;
    WriteCatalogCsv(expected, StandardCatalogRows());
    EXPECT_EQ(testing::ReadText(file), expected.str());
}

}  // namespace
}  // namespace korvane
