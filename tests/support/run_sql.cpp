#include "support/run_sql.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace korvane::testing {

void RunSql(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    char* message = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message), SQLITE_OK)
        << (message ? message : "");
    sqlite3_free(message);
    sqlite3_close(db);
}

HeldWriteLock::HeldWriteLock(const std::filesystem::path& file, Kind kind) {
    EXPECT_EQ(sqlite3_open(file.c_str(), &db_), SQLITE_OK);
    const std::string begin = kind == Kind::Exclusive ? "BEGIN EXCLUSIVE;" : "BEGIN IMMEDIATE;";
    EXPECT_EQ(sqlite3_exec(db_,
                           (begin + " UPDATE \"Recent Edits\" SET \"FILESPEC\" = "
                                    "'/elsewhere/ship.k2d' WHERE \"IDNUM\" = 1;")
                               .c_str(),
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
}

HeldWriteLock::~HeldWriteLock() {
    sqlite3_exec(db_, "ROLLBACK;", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
}

}  // namespace korvane::testing
