#include "app/window_places.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/temp_dir.h"

namespace korvane {
namespace {

TEST(WindowPlaces, KeptInTheConfigurationFolderAndReadBack) {
    testing::TempDir dir;
    const ConfigurationPlaces places{dir.path() / "config", dir.path() / "data",
                                     dir.path() / "state"};
    EXPECT_TRUE(LoadWindowPlaces(places).empty()) << "no file yet";
    const WindowPlaces windows = {
        {"MainWindow", {{-5, 20, 418, 616}, {0, 0, 1920, 1080}}},
        {"CrewEditor", {{1930, 40, 1080, 540}, {1920, 0, 1280, 1024}}},
    };
    ASSERT_TRUE(SaveWindowPlaces(places, windows));
    EXPECT_TRUE(std::filesystem::exists(places.config_folder / kWindowPlacesFileName));
    EXPECT_EQ(LoadWindowPlaces(places), windows);
}

TEST(WindowPlaces, ABrokenLineCostsOnlyItsWindowsPlace) {
    std::istringstream in(
        "MainWindow=10,20,400,600,0,0,1920,1080\r\n"
        "HullEditor=10,20,400\n"                       // too few numbers
        "PowerEditor=10,20,0,600,0,0,1920,1080\n"      // no width
        "DrivesEditor=10,20,400,600,0,0,1920,1080x\n"  // junk after the numbers
        "=1,2,3,4,5,6,7,8\n"                           // no name
        "\x01\xff garbage\n"
        "CrewEditor=1,2,3,4,5,6,7,8\n");
    const WindowPlaces places = ReadWindowPlaces(in);
    EXPECT_EQ(places.size(), 2u);
    EXPECT_EQ(places.at("MainWindow"), (WindowPlace{{10, 20, 400, 600}, {0, 0, 1920, 1080}}));
    EXPECT_EQ(places.count("CrewEditor"), 1u);
}

}  // namespace
}  // namespace korvane
