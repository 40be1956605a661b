#include "app/configuration.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/temp_dir.h"

namespace korvane {
namespace {

using testing::TempDir;

std::optional<std::string> Key(const std::string& text) {
    std::istringstream in(text);
    return ReadCatalogDirKey(in);
}

TEST(Configuration, TheKeyLineIsFoundByItsFirstFiveLettersInAnyCase) {
    EXPECT_EQ(Key("[Database]\r\nDBLoc=/data/ships/\r\n"), "/data/ships/");
    EXPECT_EQ(Key("[Database]\ndbloc=/lower/case\n"), "/lower/case");
    EXPECT_EQ(Key("DBLOCATION=/x\nDBLoc=/y\n"), "TION=/x")
        << "any line starting with the five letters counts";
    EXPECT_EQ(Key("DBLoc:/skipped/colon\n"), "/skipped/colon")
        << "character 6 is skipped whatever it is";
    EXPECT_EQ(Key(" DBLoc=/indented\nDBLoc=/second\n"), "/second");
    EXPECT_EQ(Key("[Database]\n"), std::nullopt);
    EXPECT_EQ(Key("DBLoc\n"), "");
}

class ResolveCatalogDirTest : public ::testing::Test {
protected:
    TempDir dir_;
    ConfigurationPlaces places_{dir_ / "config", dir_ / "data"};
    std::filesystem::path ini_ = dir_ / "config" / kConfigurationFileName;
};

TEST_F(ResolveCatalogDirTest, AMissingFileIsCreatedPointingAtTheDataFolder) {
    auto folder = ResolveCatalogDir(places_, "/current");
    ASSERT_TRUE(folder) << folder.message();
    EXPECT_EQ(*folder, (dir_ / "data").string() + "/");
    EXPECT_EQ(testing::ReadText(ini_), "[Database]\r\nDBLoc=" + (dir_ / "data").string() + "/\r\n");
}

TEST_F(ResolveCatalogDirTest, TheKeyGetsATrailingSeparatorAndAnEmptyOneMeansTheCurrentFolder) {
    std::filesystem::create_directories(places_.config_folder);
    testing::WriteText(ini_, "[Database]\r\ndbloc=/srv/catalog\r\n");
    EXPECT_EQ(*ResolveCatalogDir(places_, "/current"), "/srv/catalog/");

    testing::WriteText(ini_, "[Database]\r\n");
    EXPECT_EQ(*ResolveCatalogDir(places_, "/current"), "/current/");

    testing::WriteText(ini_, "[Database]\r\nDBLoc=\r\n");
    EXPECT_EQ(*ResolveCatalogDir(places_, "/current/"), "/current/");
}

TEST_F(ResolveCatalogDirTest, AnUncreatableFileIsReported) {
    testing::WriteText(dir_ / "config", "a file where the folder should be");
    auto folder = ResolveCatalogDir(places_, "/current");
    ASSERT_FALSE(folder);
    EXPECT_NE(folder.message().find("The configuration file cannot be created"), std::string::npos);
}

}  // namespace
}  // namespace korvane
