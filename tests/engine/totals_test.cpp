#include <limits>

#include <gtest/gtest.h>

#include "engine/plain_passes.h"
#include "engine/recalculate.h"
#include "engine_test_support.h"

namespace korvane {
namespace {

using engine_test::HasProblem;

// Totals run with every section; section 7 runs nothing else but the control block.
class EngineTotals : public ::testing::Test {
protected:
    Catalog catalog;
    Design design;

    EngineTotals() {
        design.DesignTL() = 15;
        design.Slots[Slot::MainComputer].MISCNUM[1] = 1;
        design.Slots[Slot::Panels].MISCNUM[1] = 50;
    }

    void Totals() { engine::RecalculateSection(design, catalog, RecalcSection::Control); }

    void Mass(double tons, double usedMW, double availableMW) {
        design.Slots[Slot::BackupComputer].TONS = tons;
        design.Slots[Slot::BackupComputer].MW = usedMW;
        design.AvailableMW() = availableMW;
        Totals();
    }
};

TEST_F(EngineTotals, SumsEverySlotButTheHullVolume) {
    design.Slots[Slot::Hull].KL = 1350;
    design.Slots[Slot::Hull].TONS = 30;
    design.Slots.ByNumber(40).KL = 5;
    design.Slots.ByNumber(40).TONS = 6;
    design.Slots.ByNumber(40).CR = 7;
    design.Slots.ByNumber(40).MW = 8;
    design.Slots[Slot::PowerPlant].KL = 10;
    Totals();
    EXPECT_DOUBLE_EQ(design.UsedKL(), 15);
    EXPECT_DOUBLE_EQ(design.TotalTons(), 36);
    EXPECT_DOUBLE_EQ(design.TotalCr(), 7);
    EXPECT_DOUBLE_EQ(design.UsedMW(), 8);
}

TEST_F(EngineTotals, FlaggedSlotsAreLeftOutButThePurifierTimeIsNoFlag) {
    design.Slots[Slot::BackupComputer].KL = 5;
    design.Slots[Slot::BackupComputer].TONS = 5;
    design.Slots[Slot::BackupComputer].MISCNUM[10] = 1;
    design.Slots[Slot::Purifiers].KL = 4;
    design.Slots[Slot::Purifiers].CR = 1000;
    design.Slots[Slot::Purifiers].MISCNUM[10] = 1;  // a one-hour purifier
    Totals();
    EXPECT_DOUBLE_EQ(design.UsedKL(), 4);
    EXPECT_EQ(design.TotalTons(), 0);
    EXPECT_DOUBLE_EQ(design.TotalCr(), 1000);
}

TEST_F(EngineTotals, AgilityIsWholeAndKeptBetween0And6) {
    Mass(216, 0, 100);  // 100 / 216 × 5.4 = 2.5
    EXPECT_EQ(design.Slots[Slot::ManeuverDrive].MISCNUM[1], 2);
    Mass(216, 0, 39);  // 0.975: below 1
    EXPECT_EQ(design.Slots[Slot::ManeuverDrive].MISCNUM[1], 0);
    Mass(216, 0, 10000);
    EXPECT_EQ(design.Slots[Slot::ManeuverDrive].MISCNUM[1], 6);
    Mass(216, 500, 100);  // more power used than made
    EXPECT_EQ(design.Slots[Slot::ManeuverDrive].MISCNUM[1], 0);
}

TEST_F(EngineTotals, NoMassGivesNoAgilityAndAProblem) {
    Mass(0, 0, 100);
    EXPECT_EQ(design.Slots[Slot::ManeuverDrive].MISCNUM[1], 0);
    EXPECT_TRUE(HasProblem(design, "Total mass is 0"));
    Mass(10, 0, 100);
    EXPECT_FALSE(HasProblem(design, "Total mass is 0"));
}

TEST_F(EngineTotals, DefenceModifierByDisplacement) {
    design.Slots[Slot::MainComputer].MISCNUM[2] = 1;  // computer bonus
    const double expected[][2] = {{50, 5},    {100, 4},   {999, 4},     {999.5, 3},  {5000, 3},
                                  {10000, 2}, {99999, 2}, {99999.5, 3}, {100000, 1}, {2000000, 1}};
    for (const auto& [tons, modifier] : expected) {
        design.HullKL() = tons * 13.5;
        Mass(216, 0, 100);  // agility 2
        EXPECT_EQ(design.Slots[Slot::EmMask].MISCNUM[1], modifier) << tons << " tons";
    }
}

TEST_F(EngineTotals, AFigureOutOfRangeIsSetTo0AndReported) {
    design.Slots[Slot::BackupComputer].CR = std::numeric_limits<double>::infinity();
    design.Slots[Slot::BackupComputer].TONS = std::numeric_limits<double>::quiet_NaN();
    design.Slots[Slot::BackupComputer].MW = 1;
    Totals();
    EXPECT_EQ(design.Slots[Slot::BackupComputer].CR, 0);
    EXPECT_EQ(design.TotalCr(), 0);
    EXPECT_EQ(design.TotalTons(), 0);
    EXPECT_EQ(design.UsedMW(), 1);
    EXPECT_TRUE(HasProblem(design, "A figure is out of range and was set to 0: slot 20 CR"));
    EXPECT_TRUE(HasProblem(design, "A figure is out of range and was set to 0: slot 20 TONS"));
    EXPECT_EQ(design.DesignValid(), 0);
}

}  // namespace
}  // namespace korvane
