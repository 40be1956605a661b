#include <gtest/gtest.h>

#include "engine/plain_passes.h"
#include "engine/recalculate.h"
#include "engine_test_support.h"

namespace korvane {
namespace {

using engine_test::HasProblem;

class EngineDrives : public ::testing::Test {
protected:
    Catalog catalog;
    Design design;

    EngineDrives() {
        design.DesignTL() = 15;
        design.Slots[Slot::Hull].KL = 1350;  // 100 tons
        engine::RecalculateSection(design, catalog, RecalcSection::Hull);
    }

    void Drives() { engine::RecalculateSection(design, catalog, RecalcSection::Drives); }
};

TEST_F(EngineDrives, JumpOneOnAHundredTons) {
    design.Slots[Slot::JumpDrive].USP = "1";
    Drives();
    EXPECT_DOUBLE_EQ(design.Slots[Slot::JumpDrive].KL, 27);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::JumpDrive].TONS, 54);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::JumpDrive].CR, 6000000);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::JumpFuel].KL, 135);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::JumpFuel].TONS, 135 * 0.07);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::JumpFuel].CR, 4725);
}

TEST_F(EngineDrives, JumpFuelPerDriveTonFallsWithTechLevel) {
    design.Slots[Slot::JumpDrive].USP = "1";
    const double expected[][2] = {{16, 135}, {17, 108}, {18, 82}, {19, 54}, {20, 28}, {25, 14}};
    for (const auto& [tl, fuel] : expected) {
        design.DesignTL() = static_cast<std::int16_t>(tl);
        Drives();
        EXPECT_DOUBLE_EQ(design.Slots[Slot::JumpFuel].KL, fuel) << "TL " << tl;
    }
}

TEST_F(EngineDrives, ExtraJumpsAddFuelPerJumpNumber) {
    design.Slots[Slot::JumpDrive].USP = "2";  // 3 tons of drive per 100 tons
    design.Slots[Slot::JumpDrive].MISCNUM[1] = 1;
    Drives();
    EXPECT_DOUBLE_EQ(design.Slots[Slot::JumpFuel].KL, 202.5 + 202.5 / 2);
}

TEST_F(EngineDrives, JumpZeroAndCodesOutside0To6GiveNoDrive) {
    design.Slots[Slot::Armour].MISCSTR[2] =
        "5";  // an armour digit must not leak into the jump factor
    engine::RecalculateSection(design, catalog, RecalcSection::Hull);
    design.Slots[Slot::JumpDrive].MISCNUM[1] = 2;  // extra jumps with no drive: still nothing
    for (const char* code : {"0", "7", "A", " "}) {
        design.Slots[Slot::JumpDrive].USP = code;
        design.Slots[Slot::ManeuverDrive].USP = code;
        Drives();
        EXPECT_EQ(design.Slots[Slot::JumpDrive].KL, 0) << "code '" << code << "'";
        EXPECT_EQ(design.Slots[Slot::JumpFuel].KL, 0) << "code '" << code << "'";
        EXPECT_EQ(design.Slots[Slot::ManeuverDrive].KL, 0) << "code '" << code << "'";
    }
}

TEST_F(EngineDrives, ManeuverOneAndTwoOnAHundredTons) {
    design.Slots[Slot::ManeuverDrive].USP = "1";
    Drives();
    EXPECT_DOUBLE_EQ(design.Slots[Slot::ManeuverDrive].KL, 27);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::ManeuverDrive].TONS, 70);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::ManeuverDrive].CR, 1400000);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::ManeuverDrive].MW, 140);
    design.Slots[Slot::ManeuverDrive].USP = "2";
    Drives();
    EXPECT_DOUBLE_EQ(design.Slots[Slot::ManeuverDrive].KL, 67.5);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::ManeuverDrive].MW, 350);
}

TEST_F(EngineDrives, DriveOptionsScaleSizeAndCost) {
    design.Slots[Slot::JumpDrive].USP = "1";
    design.Slots[Slot::ManeuverDrive].USP = "2";
    design.Slots[Slot::DriveOptions].MISCNUM[2] = 1;  // jump option
    design.Slots[Slot::DriveOptions].MISCNUM[1] = 1;  // maneuver option
    design.Slots[Slot::DriveOptions].MISCNUM[3] = 1;  // second maneuver option
    Drives();
    EXPECT_DOUBLE_EQ(design.Slots[Slot::JumpDrive].KL, 27 * 1.5);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::JumpDrive].CR, 6000000 * 1.2);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::ManeuverDrive].KL, 67.5 * 1.5 * 1.2);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::ManeuverDrive].TONS, 175 * 1.5 * 1.2);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::ManeuverDrive].CR, 3500000 * 1.2 * 1.2);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::ManeuverDrive].MW, 350);
}

TEST_F(EngineDrives, TowedLoadSizesTheDrivesAndGivesTheRatingsOfTheShipAlone) {
    design.Slots[Slot::JumpDrive].USP = "2";
    design.Slots[Slot::ManeuverDrive].USP = "2";
    design.Slots[Slot::DriveOptions].MISCNUM[4] = 100;  // 100 tons towed in jump
    design.Slots[Slot::DriveOptions].MISCNUM[5] = 100;  // and in maneuver
    Drives();
    EXPECT_DOUBLE_EQ(design.Slots[Slot::JumpDrive].KL, 6 * 13.5);       // 3 tons per 100 of 200
    EXPECT_EQ(design.Slots[Slot::DriveOptions].MISCNUM[6], 5);          // 6 tons on 100 alone
    EXPECT_DOUBLE_EQ(design.Slots[Slot::ManeuverDrive].KL, 10 * 13.5);  // 1 ton per 20 of 200
    EXPECT_EQ(design.Slots[Slot::DriveOptions].MISCNUM[7], 3);          // 2 per 20 tons alone
}

TEST_F(EngineDrives, TowedLoadOnAHullOfNoVolumeIsAProblem) {
    design.Slots[Slot::Hull].KL = 0;
    engine::RecalculateSection(design, catalog, RecalcSection::Hull);
    design.Slots[Slot::JumpDrive].USP = "2";
    design.Slots[Slot::DriveOptions].MISCNUM[4] = 100;
    Drives();
    EXPECT_EQ(design.Slots[Slot::DriveOptions].MISCNUM[6], 1);
    EXPECT_TRUE(HasProblem(design, "Jump rating of the ship alone needs a hull volume above 0"));
    EXPECT_TRUE(HasProblem(design, "Hull volume is 0"));
}

TEST_F(EngineDrives, ScoopsCostByHullVolume) {
    design.Slots[Slot::FuelScoops].NUMBER = 1;
    Drives();
    EXPECT_DOUBLE_EQ(design.Slots[Slot::FuelScoops].CR, 101250);
    design.Slots[Slot::FuelScoops].NUMBER = 2;
    Drives();
    EXPECT_EQ(design.Slots[Slot::FuelScoops].CR, 0);
}

class EnginePurifiers : public EngineDrives {
protected:
    EnginePurifiers() {
        design.Slots[Slot::JumpDrive].USP = "1";  // 135 kl of jump fuel
        ComponentRecord& purifier = design.Slots[Slot::Purifiers];
        purifier.LABEL = "Purifier";
        purifier.NUMBER = 1;
        purifier.MISCNUM[1] = 0.1;
        purifier.MISCNUM[2] = 0.2;
        purifier.MISCNUM[3] = 0.3;
        purifier.MISCNUM[4] = 1000;
    }
};

TEST_F(EnginePurifiers, UnsetPurificationTimeBecomesTwelveHours) {
    Drives();
    EXPECT_EQ(design.Slots[Slot::Purifiers].MISCNUM[10], 12);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Purifiers].MW, 6.75);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Purifiers].KL, 13.5);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Purifiers].TONS, 20.25);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Purifiers].CR, 67500);
}

TEST_F(EnginePurifiers, HydrogenPlantFuelIsPurifiedToo) {
    design.Slots[Slot::PowerPlant].MISCNUM[2] = 3;
    design.Slots[Slot::PlantFuel].KL = 45;
    Drives();
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Purifiers].MW, 9);
}

TEST_F(EnginePurifiers, PurifiersNotFittedAreCleared) {
    design.Slots[Slot::Purifiers].NUMBER = 0;
    Drives();
    EXPECT_TRUE(IsEmptyEntry(design.Slots[Slot::Purifiers]));
    EXPECT_EQ(design.Slots[Slot::Purifiers].KL, 0);
}

TEST_F(EnginePurifiers, OneHourPurifierIsCountedInTheTotals) {
    design.Slots[Slot::Purifiers].MISCNUM[10] = 1;
    Drives();
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Purifiers].KL, 135 * 0.2 * 6);
    EXPECT_DOUBLE_EQ(design.UsedKL(), 27 + 135 + 135 * 0.2 * 6);
    EXPECT_DOUBLE_EQ(design.TotalCr(), 135000 + 6000000 + 4725 + 135 * 1000 * 6);
}

}  // namespace
}  // namespace korvane
