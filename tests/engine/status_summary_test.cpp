#include "engine/status_summary.h"

#include <string>

#include <gtest/gtest.h>

#include "engine/recalculate.h"
#include "engine_test_support.h"

namespace korvane {
namespace {

using engine_test::BasicRows;
using engine_test::HasProblem;
using engine_test::NewDesignOn;

TEST(EngineStatusSummary, NewDesignTexts) {
    Catalog catalog(BasicRows());
    Design design = NewDesignOn(catalog);
    const StatusSummary summary = ShowStatusSummary(design);
    EXPECT_EQ(summary.ship_name, std::string(50, ' ') + " (Merchant)");
    EXPECT_EQ(summary.tech_level, "TL: 15");
    EXPECT_EQ(summary.displacement.substr(0, 8), "D: 100\r\n");
    EXPECT_EQ(summary.volume.substr(0, 11), "KL: 1,350\r\n");
    EXPECT_EQ(summary.hardpoints, "H'pts: 1\r\nH'pts: \r\n");
    EXPECT_EQ(summary.changed_mark, "Saved");
    EXPECT_EQ(summary.changed_mark_colour, kColourGreen);
}

TEST(EngineStatusSummary, FiguresAreRoundedAndZeroPrintsNothing) {
    Design design;
    design.SetShipName("Beowulf");
    design.Slots[Slot::ShipType].LABEL = "Free Trader";
    design.HullKL() = 1350;
    design.UsedKL() = 1350;
    design.AvailableMW() = 12345.5;
    design.UsedMW() = 0.4;
    design.Hardpoints() = 1;
    design.TotalTons() = 1234567.5;
    design.TotalCr() = 2500000;
    design.Slots[Slot::ManeuverDrive].MISCNUM[1] = 3;
    design.DesignTL() = 12;
    const StatusSummary summary = ShowStatusSummary(design);
    EXPECT_EQ(summary.ship_name, "Beowulf" + std::string(43, ' ') + " (Free Trader)");
    EXPECT_EQ(summary.volume, "KL: 1,350\r\nKL: 1,350\r\n");
    EXPECT_EQ(summary.displacement, "D: 100\r\nD: 100\r\n");
    EXPECT_EQ(summary.power, "MW: 12,346\r\nMW: \r\n");
    EXPECT_EQ(summary.mass, "Mass: 1,234,568");
    EXPECT_EQ(summary.cost, "MCr: 3");
    EXPECT_EQ(summary.agility, "Ag: 3");
    EXPECT_EQ(summary.cargo, "Cargo: ");
    EXPECT_EQ(summary.tech_level, "TL: 12");
    EXPECT_EQ(summary.lamp_colour, kColourGreen);
    EXPECT_EQ(design.DesignValid(), 1);
}

TEST(EngineStatusSummary, CargoIsTheWholeTonsLeft) {
    Design design;
    design.HullKL() = 1350;
    design.UsedKL() = 1000;
    design.Hardpoints() = 1;
    EXPECT_EQ(ShowStatusSummary(design).cargo, "Cargo: 25");  // 25.9 tons free
}

TEST(EngineStatusSummary, EachBrokenLimitTurnsItsLabelRedAndIsListed) {
    Design design;
    design.HullKL() = 1350;
    design.Hardpoints() = 1;
    design.AvailableMW() = 100;
    StatusSummary summary = ShowStatusSummary(design);
    EXPECT_EQ(summary.volume_colour, kColourBlack);
    EXPECT_EQ(summary.power_colour, kColourBlack);
    EXPECT_EQ(summary.hardpoints_colour, kColourBlack);
    EXPECT_TRUE(design.Problems.empty());

    design.UsedKL() = 1400;
    design.UsedMW() = 100.5;
    design.UsedHardpoints() = 2;
    summary = ShowStatusSummary(design);
    EXPECT_EQ(summary.volume_colour, kColourRed);
    EXPECT_EQ(summary.power_colour, kColourRed);
    EXPECT_EQ(summary.hardpoints_colour, kColourRed);
    EXPECT_EQ(summary.lamp_colour, kColourRed);
    EXPECT_EQ(design.DesignValid(), 0);
    EXPECT_TRUE(
        HasProblem(design, "Volume used exceeds the hull: 1,400.0 kl used, 1,350.0 kl available"));
    EXPECT_TRUE(HasProblem(
        design, "Power used exceeds the power plant's output: 100.5 MW used, 100.0 MW available"));
    EXPECT_TRUE(
        HasProblem(design, "Hardpoints used exceed the hull's hardpoints: 2 used, 1 available"));
    EXPECT_EQ(summary.problems, design.Problems);

    (void)ShowStatusSummary(design);
    EXPECT_EQ(design.Problems.size(), 3u) << "a second summary lists each problem once";
}

TEST(EngineStatusSummary, ProblemOfABlockMakesTheDesignInvalidWithinItsLimits) {
    Design design;
    design.HullKL() = 1350;
    design.Hardpoints() = 1;
    design.BlockProblems[static_cast<int>(ProblemSource::Control)] = {"No main computer"};
    const StatusSummary summary = ShowStatusSummary(design);
    EXPECT_EQ(summary.volume_colour, kColourBlack);
    EXPECT_EQ(summary.lamp_colour, kColourRed);
    EXPECT_EQ(design.DesignValid(), 0);
    EXPECT_EQ(design.Problems, std::vector<std::string>{"No main computer"});
}

TEST(EngineStatusSummary, ChangedMarkFollowsTheFlag) {
    Design design;
    MarkChanged(design);
    EXPECT_TRUE(design.DesignChanged);
    StatusSummary summary = ShowStatusSummary(design);
    EXPECT_EQ(summary.changed_mark, "Changed");
    EXPECT_EQ(summary.changed_mark_colour, kColourRed);
    MarkSaved(design);
    EXPECT_FALSE(design.DesignChanged);
    EXPECT_EQ(ChangedMarkOf(design).caption, "Saved");
    EXPECT_EQ(ChangedMarkOf(design).colour, kColourGreen);
}

}  // namespace
}  // namespace korvane
