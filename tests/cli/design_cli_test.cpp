#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace korvane {
namespace {

using testing::RunCli;
using testing::TempDir;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(DesignCli, NewWritesTheDefaultDesignThatShowReadsBack) {
    TempDir home;
    const auto created = RunCli(home.path(), "new scout.k2d");
    ASSERT_EQ(created.exit_code, 0) << created.err;
    const std::string file = testing::ReadText(home / "scout.k2d");
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 5351);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\r'), 5351);

    const auto shown = RunCli(home.path(), "show scout.k2d");
    ASSERT_EQ(shown.exit_code, 0) << shown.err;
    EXPECT_TRUE(Contains(shown.out, "(Merchant)\n"));
    EXPECT_TRUE(Contains(shown.out, "TL: 15\n"));
    EXPECT_TRUE(Contains(shown.out, "D: 100\n")) << shown.out;
    EXPECT_TRUE(Contains(shown.out, "Status: Saved\n"));
    EXPECT_TRUE(Contains(shown.out, "Utilization"));
}

TEST(DesignCli, ShowJsonHasTheAgreedKeys) {
    TempDir home;
    ASSERT_EQ(RunCli(home.path(), "new ship.k2d").exit_code, 0);
    const auto shown = RunCli(home.path(), "show --json ship.k2d");
    ASSERT_EQ(shown.exit_code, 0) << shown.err;
    const auto json = nlohmann::json::parse(shown.out);
    for (const char* key :
         {"ShipName",      "DesignTL",     "HullKL",      "UsedKL",         "TotalTons",
          "TotalCr",       "UsedMW",       "AvailableMW", "UsedHardpoints", "Hardpoints",
          "DesignValid",   "ProfileCode",  "SensorCodes", "WeaponFactors",  "WeaponCounts",
          "ControlPoints", "ControlTotal", "Problems",    "Advice",         "Breakdown",
          "Slots"}) {
        EXPECT_TRUE(json.contains(key)) << key;
    }
    EXPECT_EQ(json.size(), 21u);
    EXPECT_EQ(json["HullKL"], 1350);
    EXPECT_EQ(json["DesignTL"], 15);
    EXPECT_EQ(json["ProfileCode"].get<std::string>().size(), 22u);
    EXPECT_EQ(json["SensorCodes"].size(), 6u);
    ASSERT_EQ(json["WeaponFactors"].size(), 12u);
    EXPECT_EQ(json["WeaponFactors"][0].size(), 3u);
    EXPECT_EQ(json["ControlPoints"].size(), 8u);
    ASSERT_EQ(json["Slots"].size(), 40u);
    const auto& hull = json["Slots"][0];
    EXPECT_EQ(hull.size(), 30u);
    EXPECT_EQ(hull["KL"], 1350);
    EXPECT_EQ(hull["TONS"], 30);
    EXPECT_EQ(json["Slots"][30]["LABEL"], "Merchant");
    EXPECT_EQ(json["Slots"][11]["LABEL"], "No avionics") << "trailing blanks are removed";
    EXPECT_EQ(json["Slots"][39]["LABEL"], "") << "NULs of a never-set text are dropped";
}

TEST(DesignCli, ShowListsTheAdviceUnderItsHeadingAndInTheJson) {
    TempDir home;
    ASSERT_EQ(RunCli(home.path(), "new ship.k2d").exit_code, 0);
    // The new design has its default crew to be set yet.
    const std::string bridge = "Crew: Bridge 0, below its default 1";

    const auto shown = RunCli(home.path(), "show ship.k2d");
    ASSERT_EQ(shown.exit_code, 0) << shown.err;
    EXPECT_TRUE(Contains(shown.out, "\nAdvice:\n  " + bridge + "\n")) << shown.out;

    const auto json = nlohmann::json::parse(RunCli(home.path(), "show --json ship.k2d").out);
    ASSERT_FALSE(json["Advice"].empty());
    EXPECT_EQ(json["Advice"][0]["Section"], "Crew");
    EXPECT_EQ("Crew: " + json["Advice"][0]["Text"].get<std::string>(), bridge);
}

TEST(DesignCli, APathIsUsedAsTheSystemResolvesItNotSimplifiedAsText) {
    // "sublink/.." is the folder above the link's target, not the current one.
    TempDir home;
    std::filesystem::create_directories(home / "elsewhere" / "sub");
    std::filesystem::create_directory_symlink(home / "elsewhere" / "sub", home / "sublink");
    ASSERT_EQ(RunCli(home.path(), "new x.k2d").exit_code, 0);
    ASSERT_EQ(RunCli(home.path(), "new elsewhere/x.k2d").exit_code, 0);
    std::filesystem::remove(home / "x.K2P");
    std::filesystem::remove(home / "elsewhere" / "x.K2P");

    const auto resaved = RunCli(home.path(), "resave sublink/../x.k2d");
    ASSERT_LE(resaved.exit_code, 1) << resaved.err;  // 1: the new design breaks a limit
    EXPECT_TRUE(std::filesystem::exists(home / "elsewhere" / "x.K2P"));
    EXPECT_FALSE(std::filesystem::exists(home / "x.K2P"));
}

TEST(DesignCli, AnUnreadableDesignIsReportedWithItsLine) {
    TempDir home;
    ASSERT_EQ(RunCli(home.path(), "new ship.k2d").exit_code, 0);
    std::string file = testing::ReadText(home / "ship.k2d");
    const auto line66 = [&] {
        std::size_t at = 0;
        for (int line = 1; line < 66; ++line) {
            at = file.find('\n', at) + 1;
        }
        return at;
    }();
    file.replace(line66, file.find('\r', line66) - line66, "lots");
    testing::WriteText(home / "bad.k2d", file);

    const auto shown = RunCli(home.path(), "show bad.k2d");
    EXPECT_EQ(shown.exit_code, 3);
    EXPECT_TRUE(Contains(shown.err, "bad.k2d, line 66: expected a number")) << shown.err;
    EXPECT_EQ(RunCli(home.path(), "show missing.k2d").exit_code, 3);
    EXPECT_EQ(RunCli(home.path(), "new " + (home / "no-folder" / "x.k2d").string()).exit_code, 3);
}

}  // namespace
}  // namespace korvane
