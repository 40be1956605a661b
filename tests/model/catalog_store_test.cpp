#include "model/catalog_store.h"

#include <gtest/gtest.h>

#include "files/catalog_files.h"
#include "model/standard_catalog.h"
#include "support/run_sql.h"
#include "support/temp_dir.h"

namespace korvane {
namespace {

using testing::RunSql;
using testing::TempDir;

class CatalogStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CreateCatalogFile(file_, StandardCatalogRows()).ok()); }

    std::string OpenError() {
        auto store = CatalogStore::Open(file_);
        EXPECT_FALSE(store) << "the broken catalog was opened";
        return store ? std::string() : store.message();
    }

    TempDir dir_;
    std::filesystem::path file_ = dir_ / "korva.db";
};

TEST_F(CatalogStoreTest, CreatedCatalogHoldsTheStandardRowsAndTenEmptyRecentFiles) {
    auto store = CatalogStore::Open(file_);
    ASSERT_TRUE(store) << store.message();
    EXPECT_EQ((*store)->Features().Rows(), StandardCatalogRows());
    for (int position = 1; position <= kRecentEditsRows; ++position) {
        EXPECT_EQ((*store)->Filespec(position), "");
    }
    const ComponentRecord& merchant = (*store)->Features().LookupComponent("TY", 1);
    EXPECT_EQ(merchant.LABEL.trimmed(), "Merchant");
    EXPECT_EQ(merchant.USP, "A");
}

TEST_F(CatalogStoreTest, RecentFilesAreWrittenThroughAndSurviveReopening) {
    {
        auto store = CatalogStore::Open(file_);
        ASSERT_TRUE(store);
        ASSERT_TRUE((*store)->SetFilespec(1, "/ships/scout.k2d").ok());
        ASSERT_TRUE((*store)->SetFilespec(10, "  /ships/far trader.k2d  ").ok());
    }
    auto store = CatalogStore::Open(file_);
    ASSERT_TRUE(store);
    EXPECT_EQ((*store)->Filespec(1), "/ships/scout.k2d");
    EXPECT_EQ((*store)->Filespec(10), "/ships/far trader.k2d")
        << "blanks around a stored path are trimmed";
    EXPECT_EQ((*store)->Filespec(2), "");
}

TEST_F(CatalogStoreTest, OpenedAgainItHasItsOwnCursorOnTheSameRowsAndFile) {
    auto store = CatalogStore::Open(file_);
    ASSERT_TRUE(store);
    ASSERT_TRUE((*store)->SetFilespec(1, "/ships/scout.k2d").ok());
    auto again = (*store)->OpenAgain();
    ASSERT_TRUE(again) << again.message();

    EXPECT_EQ((*again)->Path(), file_);
    EXPECT_EQ(&(*again)->Features().Rows(), &(*store)->Features().Rows())
        << "the rows are shared, not copied: 64 workers on a large catalog held 64 copies";
    EXPECT_EQ((*again)->Filespec(1), "/ships/scout.k2d");
    (*store)->Features().LookupComponent("TY", 2);
    EXPECT_EQ((*again)->Features().LookupComponent("TY", 1).LABEL.trimmed(), "Merchant");
    EXPECT_EQ((*store)->Features().WorkRecord().IDNUM, 2) << "each walks on its own";
}

TEST_F(CatalogStoreTest, ReplaceFeaturesKeepsTheRecentFiles) {
    auto store = CatalogStore::Open(file_);
    ASSERT_TRUE(store);
    ASSERT_TRUE((*store)->SetFilespec(1, "/ships/scout.k2d").ok());
    std::vector<ComponentRecord> rows(StandardCatalogRows().begin(),
                                      StandardCatalogRows().begin() + 3);
    ASSERT_TRUE((*store)->ReplaceFeatures(rows).ok());
    EXPECT_EQ((*store)->Features().Rows().size(), 3u);
    (*store)->Close();

    auto reopened = CatalogStore::Open(file_);
    ASSERT_TRUE(reopened);
    EXPECT_EQ((*reopened)->Features().Rows(), rows);
    EXPECT_EQ((*reopened)->Filespec(1), "/ships/scout.k2d");
}

TEST_F(CatalogStoreTest, DuplicateKeysAreRefusedAndNothingIsReplaced) {
    auto store = CatalogStore::Open(file_);
    ASSERT_TRUE(store);
    std::vector<ComponentRecord> rows = {StandardCatalogRows()[0], StandardCatalogRows()[0]};
    EXPECT_FALSE((*store)->ReplaceFeatures(rows).ok());
    EXPECT_EQ((*store)->Features().Rows(), StandardCatalogRows());
    (*store)->Close();
    auto reopened = CatalogStore::Open(file_);
    ASSERT_TRUE(reopened);
    EXPECT_EQ((*reopened)->Features().Rows().size(), StandardCatalogRows().size());
}

TEST_F(CatalogStoreTest, BrokenCatalogsAreRefusedWithTheFileAndTheReason) {
    RunSql(file_, "UPDATE \"Features\" SET \"KL\" = '' WHERE \"TABLE\" = 'PP' AND \"IDNUM\" = 2;");
    EXPECT_EQ(OpenError(), file_.string() +
                               ": row (PP, 2) of \"Features\": field KL is empty; numeric fields "
                               "must hold a value");

    RunSql(file_,
           "UPDATE \"Features\" SET \"KL\" = 'lots' WHERE \"TABLE\" = 'PP' AND \"IDNUM\" = 2;");
    EXPECT_NE(OpenError().find("field KL holds \"lots\", which is not a number"),
              std::string::npos);

    RunSql(file_,
           "UPDATE \"Features\" SET \"KL\" = '2.5' WHERE \"TABLE\" = 'PP' AND \"IDNUM\" = 2;");
    auto repaired = CatalogStore::Open(file_);
    ASSERT_TRUE(repaired) << "a number stored as text is still a number: " << repaired.message();
    EXPECT_EQ((*repaired)->Features().LookupComponent("PP", 2).KL, 2.5);
    (*repaired)->Close();

    RunSql(file_, "ALTER TABLE \"Features\" DROP COLUMN \"MISCSTR7\";");
    EXPECT_EQ(OpenError(),
              file_.string() + ": the table \"Features\" lacks the column \"MISCSTR7\"");

    RunSql(file_, "DROP TABLE \"Recent Edits\";");
    EXPECT_NE(OpenError().find("lacks the column"), std::string::npos)
        << "the first fault found is reported";
}

TEST_F(CatalogStoreTest, MissingTablesAndForeignFilesAreRefused) {
    RunSql(file_, "DROP TABLE \"Recent Edits\";");
    EXPECT_EQ(OpenError(), file_.string() + ": the catalog lacks the table \"Recent Edits\"");

    RunSql(file_, "DROP TABLE \"Features\";");
    EXPECT_EQ(OpenError(), file_.string() + ": the catalog lacks the table \"Features\"");

    testing::WriteText(file_, "This is a text file, not a catalog.\n");
    EXPECT_EQ(OpenError(), file_.string() + ": is not a catalog database (file is not a database)");

    std::filesystem::remove(file_);
    EXPECT_EQ(OpenError(), file_.string() + ": no catalog file there");
}

}  // namespace
}  // namespace korvane
