#include <gtest/gtest.h>

#include <string>

#include "engine/plain_passes.h"
#include "engine/recalculate.h"
#include "engine_test_support.h"

namespace korvane {
namespace {

using engine_test::BasicRows;
using engine_test::HasProblem;
using engine_test::NewDesignOn;

class EngineHull : public ::testing::Test {
protected:
    Catalog catalog{BasicRows()};
    Design design = NewDesignOn(catalog);

    void Rehull(double kl, RecalcSection section = RecalcSection::All) {
        design.Slots[Slot::Hull].KL = kl;
        engine::RecalculateSection(design, catalog, section);
    }
};

TEST_F(EngineHull, HundredTonHullHasThirtyTonsCr135000AndOneHardpoint) {
    EXPECT_DOUBLE_EQ(design.HullKL(), 1350);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Hull].TONS, 30);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Hull].CR, 135000);
    EXPECT_EQ(design.Hardpoints(), 1);
}

TEST_F(EngineHull, HardpointsAreWholeHundredsOfTonsButAtLeastOne) {
    Rehull(1349);
    EXPECT_EQ(design.Hardpoints(), 1);
    Rehull(13.5 * 350);
    EXPECT_EQ(design.Hardpoints(), 3);
    Rehull(13.5 * 199.9);
    EXPECT_EQ(design.Hardpoints(), 1);
}

TEST_F(EngineHull, SizeCodeIsThatOfTheLastRowWhoseThresholdIsReached) {
    EXPECT_EQ(design.Slots[Slot::Hull].USP.first(), '1');  // 100 tons reaches row 2 exactly
    EXPECT_EQ(design.Slots[Slot::Hull].MISCNUM[2], 20);
    Rehull(1349);
    EXPECT_EQ(design.Slots[Slot::Hull].USP.first(), '0');
    EXPECT_EQ(design.Slots[Slot::Hull].MISCNUM[2], 10);
    Rehull(13.5 * 250);
    EXPECT_EQ(design.Slots[Slot::Hull].USP.first(), '2');
    Rehull(13.5 * 50000);  // past the last threshold: row 33
    EXPECT_EQ(design.Slots[Slot::Hull].USP.first(), 'Z');
    EXPECT_EQ(design.Slots[Slot::Hull].MISCNUM[2], 330);
}

TEST_F(EngineHull, HullSectionKeepsASetSizeCodeButRederivesABlankOne) {
    Rehull(13.5 * 550, RecalcSection::Hull);
    EXPECT_EQ(design.Slots[Slot::Hull].USP.first(), '1') << "a set code is kept by section 1";
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Hull].TONS, 550 * 0.3)
        << "the rest of the hull is recalculated";

    design.Slots[Slot::Hull].USP = " ";
    engine::RecalculateSection(design, catalog, RecalcSection::Hull);
    EXPECT_EQ(design.Slots[Slot::Hull].USP.first(), '5');

    Rehull(13.5 * 250, RecalcSection::All);
    EXPECT_EQ(design.Slots[Slot::Hull].USP.first(), '2')
        << "a whole recalculation always rederives it";
}

TEST_F(EngineHull, StreamliningChoosesTheConfigurationFactor) {
    // Streamlined (2) takes factor 2 of the configuration row: 2 × hull.
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Configuration].TONS, 60);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Configuration].CR, 270000);
    design.Slots[Slot::Configuration].MISCNUM[6] = 3;
    engine::RecalculateSection(design, catalog, RecalcSection::Hull);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Configuration].TONS, 90);
    design.Slots[Slot::Configuration].MISCNUM[6] = 20;  // no such choice: no factor, and said so
    engine::RecalculateSection(design, catalog, RecalcSection::Hull);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Configuration].TONS, 0);
    EXPECT_TRUE(HasProblem(design, "Hull configuration has an unknown streamlining choice"));
}

TEST_F(EngineHull, ArmourScaleIsTheLastScalingRowReachedAndStopsAtTheNextFamily) {
    // Code "0" decodes below 0: armour 40, scale 2; mass 0.5 × (60 + 30) × 2 × 0.1.
    EXPECT_EQ(design.Slots[Slot::Armour].NUMBER, 40);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Armour].TONS, 9);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Armour].CR, 16200);

    design.Slots[Slot::Armour].MISCSTR[2] = "1";  // 43: scale 3
    engine::RecalculateSection(design, catalog, RecalcSection::Hull);
    EXPECT_EQ(design.Slots[Slot::Armour].NUMBER, 43);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Armour].TONS, 13.5);

    design.Slots[Slot::Armour].MISCSTR[2] =
        "9";  // 67: the last row (46, scale 5), not the armour row after it
    engine::RecalculateSection(design, catalog, RecalcSection::Hull);
    EXPECT_EQ(design.Slots[Slot::Armour].NUMBER, 67);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Armour].TONS, 22.5);

    design.Slots[Slot::Armour].MISCNUM[3] = 0;  // not scaled by the armour table
    engine::RecalculateSection(design, catalog, RecalcSection::Hull);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Armour].TONS, 45);
}

TEST(EngineHullCatalog, WithoutScalingRowsTheArmourScaleIs1) {
    Catalog catalog(engine_test::SizeCodeRows());
    Design design;
    design.Slots[Slot::Hull].KL = 1350;
    design.Slots[Slot::Armour].MISCNUM[1] = 1;
    design.Slots[Slot::Armour].MISCNUM[3] = 1;
    engine::RecalculateSection(design, catalog, RecalcSection::Hull);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Armour].TONS, 3);  // 1 × 30 × 1 × 0.1
}

class EnginePower : public ::testing::Test {
protected:
    Design design;
    Catalog catalog;

    void Plant(double kl, double fuelType, double mwPerKl) {
        design.Slots[Slot::PowerPlant].KL = kl;
        design.Slots[Slot::PowerPlant].MISCNUM[2] = fuelType;
        design.Slots[Slot::PowerPlant].MISCNUM[3] = mwPerKl;
        engine::RecalculateSection(design, catalog, RecalcSection::Power);
    }
};

TEST_F(EnginePower, HydrogenPlantBonusHasGapsBetweenItsBands) {
    const double expected[][2] = {{5, 50},   {6, 90},   {9, 135},    {9.5, 95},
                                  {10, 200}, {13, 260}, {13.5, 135}, {14, 420}};
    for (const auto& [kl, mw] : expected) {
        Plant(kl, 3, 10);
        EXPECT_DOUBLE_EQ(design.AvailableMW(), mw) << kl << " kl";
    }
}

TEST_F(EnginePower, PlutoniumPlantDoublesOnlyAbove50Kl) {
    Plant(50, 2, 10);
    EXPECT_DOUBLE_EQ(design.AvailableMW(), 500);
    Plant(51, 2, 10);
    EXPECT_DOUBLE_EQ(design.AvailableMW(), 1020);
    Plant(51, 1, 10);
    EXPECT_DOUBLE_EQ(design.AvailableMW(), 510);
}

TEST_F(EnginePower, PlantMassCostAndFuelByFuelType) {
    design.Slots[Slot::PowerPlant].MISCNUM[1] = 0.001;  // fuel kl per kl of plant per hour
    design.Slots[Slot::PowerPlant].MISCNUM[4] = 2;      // tons per kl
    design.Slots[Slot::PowerPlant].MISCNUM[5] = 1000;   // Cr per kl
    design.Slots[Slot::PlantFuel].NUMBER = 720;
    const double expected[][3] = {
        {1, 7.2, 1800}, {2, 90, 540000}, {3, 0.504, 252}, {4, 7.2, 4500000}, {5, 14.4, 7200}};
    for (const auto& [type, tons, cr] : expected) {
        Plant(10, type, 1);
        EXPECT_DOUBLE_EQ(design.Slots[Slot::PowerPlant].TONS, 20);
        EXPECT_DOUBLE_EQ(design.Slots[Slot::PowerPlant].CR, 10000);
        EXPECT_DOUBLE_EQ(design.Slots[Slot::PlantFuel].KL, 7.2);
        EXPECT_DOUBLE_EQ(design.Slots[Slot::PlantFuel].TONS, tons) << "fuel type " << type;
        EXPECT_DOUBLE_EQ(design.Slots[Slot::PlantFuel].CR, cr) << "fuel type " << type;
    }
    design.Slots[Slot::PlantFuel].TONS = 1;
    design.Slots[Slot::PlantFuel].CR = 2;
    Plant(10, 6, 1);  // no such fuel: mass and cost stay
    EXPECT_EQ(design.Slots[Slot::PlantFuel].TONS, 1);
    EXPECT_EQ(design.Slots[Slot::PlantFuel].CR, 2);
}

TEST_F(EnginePower, EnduranceLeavesOutWeaponsMaskingSpinalAndScreensByDefault) {
    design.UsedMW() = 100;  // as the previous run left it
    design.Slots[Slot::PlantFuel].NUMBER = 720;
    design.Slots[Slot::Weapons].MW = 20;
    design.Slots[Slot::EmMask].MW = 10;
    design.Slots[Slot::Sensors].MW = 7;  // sensors are not left out
    engine::RecalculateSection(design, catalog, RecalcSection::Power);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::PlantFuel].MISCNUM[1], 100.0 * 720 / 70);
}

TEST_F(EnginePower, EnduranceFlagsLeaveOutTheirSystemsAndPartOfTheManeuverDrive) {
    design.UsedMW() = 200;
    design.Slots[Slot::PlantFuel].NUMBER = 720;
    design.Slots[Slot::PlantFuel].MISCSTR[1] = "1";
    design.Slots[Slot::PlantFuel].MISCSTR[2] = "1100000000";  // maneuver and sensors
    design.Slots[Slot::PlantFuel].MISCNUM[2] = 1;             // cruising at 1 G of a 2 G drive
    design.Slots[Slot::ManeuverDrive].USP = "2";
    design.Slots[Slot::ManeuverDrive].MW = 140;
    design.Slots[Slot::Sensors].MW = 10;
    design.Slots[Slot::Weapons].MW = 50;  // weapons not flagged: counted
    engine::RecalculateSection(design, catalog, RecalcSection::Power);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::PlantFuel].MISCNUM[1],
                     1200);  // 200 × 720 / (200 − 70 − 10)
}

TEST_F(EnginePower, EachExclusionFlagLeavesOutThePowerOfItsSystems) {
    // Every system draws a power of its own, so each position of the exclusion
    // string shows which power it took off the 10,000 MW in use.
    design.Slots[Slot::PlantFuel].MISCSTR[1] = "1";
    design.Slots[Slot::PlantFuel].MISCNUM[2] = 1;  // cruising at 1 G of a 4 G drive
    design.Slots[Slot::ManeuverDrive].USP = "4";
    design.Slots[Slot::ManeuverDrive].MW = 64;
    design.Slots[Slot::Sensors].MW = 1;
    design.Slots[Slot::Communicators].MW = 2;
    design.Slots[Slot::EmMask].MW = 4;
    design.Slots[Slot::SpinalMount].MW = 8;
    design.Slots[Slot::Weapons].MW = 16;
    design.Slots[Slot::Screens].MW = 32;
    design.Slots[Slot::BackupComputer].MW = 128;
    design.Slots[Slot::AuxiliaryBridge].MW = 256;
    design.Slots[Slot::Environment].MW = 512;
    design.Slots[Slot::Accommodation].MW = 1024;
    design.Slots[Slot::CustomFeatures].MW = 2048;
    const double left_out[] = {
        48,    // 1: three quarters of the maneuver drive
        1,     // 2: sensors
        2,     // 3: communicators
        4,     // 4: EM mask
        56,    // 5: spinal mount, weapons and screens
        128,   // 6: backup computer
        256,   // 7: auxiliary bridge
        1536,  // 8: environment and accommodation
        2048,  // 9: custom features
        0,     // 10: nothing
    };
    for (std::size_t position = 0; position < 10; ++position) {
        design.UsedMW() = 10000;
        design.Slots[Slot::PlantFuel].NUMBER = 720;
        std::string flags(10, '0');
        flags[position] = '1';
        design.Slots[Slot::PlantFuel].MISCSTR[2] = flags;
        engine::RecalculateSection(design, catalog, RecalcSection::Power);
        EXPECT_DOUBLE_EQ(design.Slots[Slot::PlantFuel].MISCNUM[1],
                         720 * 10000 / (10000 - left_out[position]))
            << "position " << position + 1;
    }
}

TEST_F(EnginePower, EnduranceWithoutPowerLeftKeepsItsValue) {
    design.Slots[Slot::PlantFuel].NUMBER = 720;
    design.Slots[Slot::PlantFuel].MISCNUM[1] = 5;
    design.Slots[Slot::Weapons].MW = 20;
    design.UsedMW() = 20;
    engine::RecalculateSection(design, catalog, RecalcSection::Power);
    EXPECT_EQ(design.Slots[Slot::PlantFuel].MISCNUM[1], 5);
}

TEST_F(EnginePower, ManeuverFlagWithADriveRatedZeroIsAProblemNotADivisionByZero) {
    design.UsedMW() = 200;
    design.Slots[Slot::PlantFuel].NUMBER = 720;
    design.Slots[Slot::PlantFuel].MISCSTR[1] = "1";
    design.Slots[Slot::PlantFuel].MISCSTR[2] = "1000000000";
    design.Slots[Slot::PlantFuel].MISCNUM[2] = 1;
    design.Slots[Slot::ManeuverDrive].USP = "0";
    design.Slots[Slot::ManeuverDrive].MW = 140;
    engine::RecalculateSection(design, catalog, RecalcSection::Power);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::PlantFuel].MISCNUM[1],
                     200.0 * 720 / 60);  // the whole drive left out
    EXPECT_TRUE(HasProblem(design, "Endurance leaves out the maneuver drive, but its rating is 0"));
    EXPECT_EQ(design.DesignValid(), 0);

    design.Slots[Slot::ManeuverDrive].USP = "2";
    engine::RecalculateSection(design, catalog, RecalcSection::Power);
    EXPECT_FALSE(
        HasProblem(design, "Endurance leaves out the maneuver drive, but its rating is 0"));
}

}  // namespace
}  // namespace korvane
