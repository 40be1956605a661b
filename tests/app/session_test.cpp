#include "app/session.h"

#include <gtest/gtest.h>

#include "model/standard_catalog.h"
#include "support/temp_dir.h"

namespace korvane {
namespace {

using testing::TempDir;

class OpenCatalogTest : public ::testing::Test {
protected:
    Status Open() { return OpenCatalog(session_, places_); }

    TempDir dir_;
    ConfigurationPlaces places_{dir_ / "config", dir_ / "data", dir_ / "state"};
    Session session_;
};

TEST_F(OpenCatalogTest, AMissingCatalogIsCreatedFromTheStandardCatalog) {
    ASSERT_TRUE(Open().ok());
    EXPECT_EQ(session_.CatalogPath(), dir_ / "data" / "korva.db");
    EXPECT_TRUE(std::filesystem::exists(session_.CatalogPath()));
    EXPECT_EQ(session_.catalog->Features().Rows(), StandardCatalogRows());
}

TEST_F(OpenCatalogTest, AnUnreadableCatalogIsReportedAndCanBeRecreated) {
    std::filesystem::create_directories(dir_ / "data");
    testing::WriteText(dir_ / "data" / "korva.db", "not a database");
    const Status opened = Open();
    ASSERT_FALSE(opened.ok());
    EXPECT_NE(opened.message().find((dir_ / "data" / "korva.db").string()), std::string::npos);
    EXPECT_NE(opened.message().find("recreate the standard catalog"), std::string::npos);
    EXPECT_EQ(session_.catalog, nullptr);

    ASSERT_TRUE(RecreateStandardCatalog(session_).ok());
    EXPECT_EQ(session_.catalog->Features().Rows(), StandardCatalogRows());
}

TEST_F(OpenCatalogTest, ANewCatalogTakesNothingAnOldOneLeftBeside) {
    // SQLite replays a journal or log it finds beside a database into it.
    const std::filesystem::path file = dir_ / "data" / "korva.db";
    std::filesystem::create_directories(dir_ / "data");
    for (const char* ending : {"-journal", "-wal", "-shm"}) {
        testing::WriteText(file.string() + ending, std::string("an old ") + ending);
    }
    ASSERT_TRUE(Open().ok());
    EXPECT_EQ(session_.catalog->Features().Rows(), StandardCatalogRows());
    for (const char* ending : {"-journal", "-wal", "-shm"}) {
        EXPECT_EQ(testing::ReadText(file.string() + ".broken" + ending),
                  std::string("an old ") + ending);
    }
}

}  // namespace
}  // namespace korvane
