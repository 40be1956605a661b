#include "ui/designer_start.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/temp_dir.h"

namespace korvane::ui {
namespace {

class DesignerStartTest : public ::testing::Test {
protected:
    std::string ConfigurationText() {
        std::ifstream in(places_.config_folder / kConfigurationFileName, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    testing::TempDir home_;
    ConfigurationPlaces places_{home_.path() / "config", home_.path() / "data",
                                home_.path() / "state"};
};

TEST_F(DesignerStartTest, TheCommandLineChoosesForOneRunOverTheSetting) {
    struct Case {
        bool setting;
        std::vector<std::string> arguments;
        FirstWindow window;
        std::vector<std::string> left;
    };
    const Case cases[] = {
        {false, {}, FirstWindow::Classic, {}},
        {true, {}, FirstWindow::Designer, {}},
        {false, {"--designer"}, FirstWindow::Designer, {}},
        {true, {"--classic", "ship.k2d"}, FirstWindow::Classic, {"ship.k2d"}},
        {false, {"my", "--designer", "ship.k2d"}, FirstWindow::Designer, {"my", "ship.k2d"}},
        {false, {"--designer", "--classic"}, FirstWindow::Classic, {}},
    };
    for (const Case& each : cases) {
        std::string line;
        for (const std::string& argument : each.arguments) {
            line += argument + " ";
        }
        SCOPED_TRACE(line);
        ASSERT_TRUE(SetDesignerAtStart(places_, each.setting));
        const StartChoice choice = ChooseFirstWindow(each.arguments, places_);
        EXPECT_EQ(choice.window, each.window);
        EXPECT_EQ(choice.arguments, each.left);
    }
}

// The setting is one line among the configuration's: the catalog's place stays.
TEST_F(DesignerStartTest, TheSettingKeepsTheRestOfTheConfiguration) {
    EXPECT_FALSE(DesignerAtStart(places_)) << "off without a configuration";
    std::filesystem::create_directories(places_.config_folder);
    std::ofstream(places_.config_folder / kConfigurationFileName, std::ios::binary)
        << "[Database]\r\nDBLoc=/ships/\r\nAutosaveSeconds=30\r\n";
    EXPECT_FALSE(DesignerAtStart(places_));
    ASSERT_TRUE(SetDesignerAtStart(places_, true));
    EXPECT_TRUE(DesignerAtStart(places_));
    ASSERT_TRUE(SetDesignerAtStart(places_, false));
    EXPECT_FALSE(DesignerAtStart(places_));
    EXPECT_EQ(ConfigurationText(),
              "[Database]\r\nDBLoc=/ships/\r\nAutosaveSeconds=30\r\nDesignerAtStart=0\r\n");
    EXPECT_EQ(ReadAutosaveInterval(places_).interval, std::chrono::seconds(30));
}

}  // namespace
}  // namespace korvane::ui
