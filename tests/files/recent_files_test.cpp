#include "files/recent_files.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <map>

#include "files/catalog_files.h"
#include "model/catalog_store.h"
#include "model/standard_catalog.h"
#include "support/run_sql.h"
#include "support/temp_dir.h"

namespace korvane {
namespace {

using testing::RunSql;
using testing::TempDir;

class MemoryRecentEdits : public RecentEdits {
public:
    std::string Filespec(int position) const override {
        const auto found = rows.find(position);
        return found == rows.end() ? std::string() : found->second;
    }
    Status SetFilespec(int position, std::string_view path) override {
        rows[position] = std::string(path);
        return {};
    }
    Status InOneTransaction(const std::function<Status()>& change) override { return change(); }
    std::map<int, std::string> rows;
};

TEST(RecentFiles, ANewPathGoesOnTopAndTheEleventhDropsTheOldest) {
    MemoryRecentEdits recent;
    for (int i = 1; i <= 11; ++i) {
        ASSERT_TRUE(RememberRecentFile(recent, "/fleet/ship" + std::to_string(i) + ".k2d").ok());
    }
    EXPECT_EQ(recent.Filespec(1), "/fleet/ship11.k2d");
    EXPECT_EQ(recent.Filespec(10), "/fleet/ship2.k2d");
    for (int position = 1; position <= 10; ++position) {
        EXPECT_NE(recent.Filespec(position), "/fleet/ship1.k2d");
    }
}

TEST(RecentFiles, AKnownPathLeavesTheOrderAsItIs) {
    MemoryRecentEdits recent;
    for (const char* path : {"/a.k2d", "/b.k2d", "/c.k2d"}) {
        ASSERT_TRUE(RememberRecentFile(recent, path).ok());
    }
    ASSERT_TRUE(RememberRecentFile(recent, "/a.k2d").ok());
    EXPECT_EQ(recent.Filespec(1), "/c.k2d");
    EXPECT_EQ(recent.Filespec(3), "/a.k2d");

    ASSERT_TRUE(RememberRecentFile(recent, "/A.k2d").ok());
    EXPECT_EQ(recent.Filespec(1), "/A.k2d")
        << "another case is another file here, and keeps its case";
}

TEST(RecentFiles, TheTenRowsAreWrittenTogetherOrNotAtAll) {
    TempDir dir;
    const std::filesystem::path file = dir / "korva.db";
    ASSERT_TRUE(CreateCatalogFile(file, StandardCatalogRows()).ok());
    auto store = CatalogStore::Open(file);
    ASSERT_TRUE(store) << store.message();
    for (const char* path : {"/fleet/a.k2d", "/fleet/b.k2d"}) {
        ASSERT_TRUE(RememberRecentFile(**store, path).ok());
    }

    // A failure part way through (here row 2 cannot be written) keeps every row.
    RunSql(file,
           "CREATE TRIGGER refuse BEFORE INSERT ON \"Recent Edits\" WHEN NEW.IDNUM = 2 "
           "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END;");
    const Status failed = RememberRecentFile(**store, "/fleet/c.k2d");
    ASSERT_FALSE(failed.ok());
    EXPECT_NE(failed.message().find("disk I/O error"), std::string::npos) << failed.message();
    EXPECT_EQ((*store)->Filespec(1), "/fleet/b.k2d");
    EXPECT_EQ((*store)->Filespec(2), "/fleet/a.k2d");
    RunSql(file, "DROP TRIGGER refuse;");

    // Another program writing the catalog: this one waits, then reports it.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE;", nullptr, nullptr, nullptr), SQLITE_OK);
    const Status busy = RememberRecentFile(**store, "/fleet/c.k2d");
    sqlite3_exec(other, "ROLLBACK;", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    ASSERT_FALSE(busy.ok());
    EXPECT_NE(busy.message().find(file.string()), std::string::npos) << busy.message();
    EXPECT_EQ((*store)->Filespec(1), "/fleet/b.k2d");

    ASSERT_TRUE(RememberRecentFile(**store, "/fleet/c.k2d").ok());
    EXPECT_EQ((*store)->Filespec(1), "/fleet/c.k2d");
    EXPECT_EQ((*store)->Filespec(3), "/fleet/a.k2d");
}

}  // namespace
}  // namespace korvane
