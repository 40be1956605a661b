#include "app/configuration.h"

#include <gtest/gtest.h>

#include <sstream>

#include <sys/stat.h>

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

TEST(Configuration, TheValueLosesTheBlanksAndQuotesAroundIt) {
    EXPECT_EQ(Key("DBLoc= /srv/ships \r\n"), "/srv/ships");
    EXPECT_EQ(Key("DBLoc=\t\"/srv/my ships/\"\r\n"), "/srv/my ships/");
    EXPECT_EQ(Key("DBLoc='/srv/ships'\n"), "/srv/ships");
    EXPECT_EQ(Key("DBLoc=\" /kept inside quotes \"\n"), " /kept inside quotes ");
    EXPECT_EQ(Key("DBLoc=\"/unbalanced\n"), "\"/unbalanced") << "a lone quote is part of the name";
    EXPECT_EQ(Key("DBLoc=   \n"), "");
    EXPECT_EQ(Key("DBLoc=\"\"\n"), "");
}

TEST(Configuration, TheAutosaveIntervalIsAWholeNumberOfSecondsFromOneTo3600) {
    const struct {
        std::string text;
        int seconds;
        bool notice;
    } cases[] = {
        {"[Database]\r\nDBLoc=/ships/\r\n", 60, false},
        {"[Database]\r\nDBLoc=/ships/\r\n[Recovery]\r\nAutosaveSeconds=5\r\n", 5, false},
        {"autosaveseconds = 3600\n", 3600, false},
        {"AutosaveSeconds=0\n", 60, true},
        {"AutosaveSeconds=3601\n", 60, true},
        {"AutosaveSeconds=1.5\n", 60, true},
        {"AutosaveSeconds=\n", 60, true},
        {"AutosaveSecondsX=5\n", 60, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::istringstream in(c.text);
        const AutosaveInterval read = ReadAutosaveInterval(in);
        EXPECT_EQ(read.interval, std::chrono::seconds(c.seconds));
        EXPECT_EQ(read.notice.empty(), !c.notice) << read.notice;
    }
}

class ResolveCatalogDirTest : public ::testing::Test {
protected:
    TempDir dir_;
    ConfigurationPlaces places_{dir_ / "config", dir_ / "data", dir_ / "state"};
    std::filesystem::path ini_ = dir_ / "config" / kConfigurationFileName;
    std::string data_ = (dir_ / "data").string() + "/";
};

TEST_F(ResolveCatalogDirTest, AMissingFileIsCreatedPointingAtTheDataFolder) {
    auto folder = ResolveCatalogDir(places_);
    ASSERT_TRUE(folder) << folder.message();
    EXPECT_EQ(folder->path, data_);
    EXPECT_EQ(folder->notice, "");
    EXPECT_EQ(testing::ReadText(ini_), "[Database]\r\nDBLoc=" + data_ + "\r\n");
}

TEST_F(ResolveCatalogDirTest, TheKeyGetsATrailingSeparatorAndBlanksAroundItAreDropped) {
    std::filesystem::create_directories(places_.config_folder);
    testing::WriteText(ini_, "[Database]\r\ndbloc=/srv/catalog\r\n");
    EXPECT_EQ(ResolveCatalogDir(places_)->path, "/srv/catalog/");

    testing::WriteText(ini_, "[Database]\r\nDBLoc= /srv/catalog \r\n");
    auto folder = ResolveCatalogDir(places_);
    EXPECT_EQ(folder->path, "/srv/catalog/") << "never a folder named \" \"";
    EXPECT_EQ(folder->notice, "");
}

TEST_F(ResolveCatalogDirTest, WithoutAFolderNamedTheDataFolderServesAndSaysSo) {
    std::filesystem::create_directories(places_.config_folder);
    for (const char* text : {"[Database]\r\n", "[Database]\r\nDBLoc=\r\n", "DBLoc=  \"\"\r\n"}) {
        testing::WriteText(ini_, text);
        auto folder = ResolveCatalogDir(places_);
        ASSERT_TRUE(folder) << folder.message();
        EXPECT_EQ(folder->path, data_) << "never the current folder";
        EXPECT_NE(folder->notice.find(ini_.string() + ": names no catalog folder"),
                  std::string::npos)
            << folder->notice;
    }
}

TEST_F(ResolveCatalogDirTest, AConfigurationThatIsNoRegularFileIsNotWaitedOnNorWrittenOver) {
    std::filesystem::create_directories(ini_);
    auto folder = ResolveCatalogDir(places_);
    ASSERT_TRUE(folder) << folder.message();
    EXPECT_EQ(folder->path, data_);
    EXPECT_NE(folder->notice.find("is a folder, not a configuration file"), std::string::npos)
        << folder->notice;
    EXPECT_TRUE(std::filesystem::is_directory(ini_));

    std::filesystem::remove(ini_);
    ASSERT_EQ(::mkfifo(ini_.c_str(), 0600), 0);
    folder = ResolveCatalogDir(places_);
    ASSERT_TRUE(folder) << folder.message();
    EXPECT_EQ(folder->path, data_);
    EXPECT_NE(folder->notice.find("is a named pipe"), std::string::npos) << folder->notice;
}

TEST_F(ResolveCatalogDirTest, AnUncreatableFileIsReported) {
    testing::WriteText(dir_ / "config", "a file where the folder should be");
    auto folder = ResolveCatalogDir(places_);
    ASSERT_FALSE(folder);
    EXPECT_NE(folder.message().find("The configuration file cannot be created"), std::string::npos);
}

}  // namespace
}  // namespace korvane
