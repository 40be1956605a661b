#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/plain_passes.h"
#include "engine/recalculate.h"
#include "engine_test_support.h"

namespace korvane {
namespace {

using engine_test::BasicRows;
using engine_test::Entry;
using engine_test::HasProblem;

class EngineFeatures : public ::testing::Test {
protected:
    Catalog catalog;
    Design design;

    EngineFeatures() { Reset(); }

    // A 1,350 kl hull at TL 15 with a main computer, and nothing else.
    void Reset() {
        design = Design();
        design.DesignTL() = 15;
        design.Slots[Slot::Hull].KL = 1350;
        design.Slots[Slot::MainComputer].MISCNUM[1] = 1;
        engine::RecalculateSection(design, catalog, RecalcSection::Hull);
    }

    void Section8() { engine::RecalculateSection(design, catalog, RecalcSection::Crew); }
};

TEST_F(EngineFeatures, AccommodationCountsItsVolumeAsMass) {
    design.Accommodations[1] = Entry("Stateroom", 3, 10, 2, 500000, 0.1);
    design.Accommodations[50] = Entry("Low Berth", 4, 1, 0.5, 50000, 0.01);
    design.Accommodations[2] = Entry("Unused", 0, 100, 100, 100, 100);
    Section8();
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Accommodation].KL, 34);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Accommodation].TONS, 34);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Accommodation].CR, 1700000);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Accommodation].MW, 0.34);
}

TEST_F(EngineFeatures, PerKlEnvironmentServesTheVolumeLeftByPlantFuelAndDrives) {
    ComponentRecord& heat = design.Environment[1];
    heat = Entry("Heat and Light", 1, 0, 0.0001, 10, 0.0001);
    heat.MISCNUM[2] = 1;
    ComponentRecord& grav = design.Environment[2];
    grav = Entry("Grav Plates", 0, 0, 0.001, 30, 0.0005);  // not fitted
    grav.MISCNUM[2] = 1;
    design.Environment[4] = Entry("Airlock", 1, 13.5, 1.5, 25000, 0.005);
    design.Slots[Slot::PowerPlant].KL = 50;
    design.Slots[Slot::JumpDrive].KL = 100;
    Section8();
    EXPECT_EQ(heat.NUMBER, 1200);
    EXPECT_EQ(grav.NUMBER, 0);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Environment].CR, 12000 + 25000);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Environment].KL, 13.5);
}

TEST_F(EngineFeatures, PerKlEnvironmentServesTheHullLessEachSubtractedVolume) {
    // The 1,350 kl hull less the one volume set (or all six together).
    struct Case {
        const char* name;
        std::vector<std::pair<Slot, double>> volumes;
        double served;
    };
    const std::vector<Case> cases = {
        {"plant fuel", {{Slot::PlantFuel, 75}}, 1275},
        {"power plant", {{Slot::PowerPlant, 50}}, 1300},
        {"jump drive", {{Slot::JumpDrive, 100}}, 1250},
        {"jump fuel", {{Slot::JumpFuel, 270}}, 1080},
        {"maneuver drive", {{Slot::ManeuverDrive, 30}}, 1320},
        {"spinal mount", {{Slot::SpinalMount, 500}}, 850},
        {"all six",
         {{Slot::PlantFuel, 75},
          {Slot::PowerPlant, 50},
          {Slot::JumpDrive, 100},
          {Slot::JumpFuel, 270},
          {Slot::ManeuverDrive, 30},
          {Slot::SpinalMount, 500}},
         325},
        // Volumes that are not subtracted: the hull serves them too.
        {"others", {{Slot::Sensors, 40}, {Slot::Weapons, 60}, {Slot::Accommodation, 80}}, 1350},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        ComponentRecord& heat = design.Environment[1];
        heat = Entry("Heat and Light", 1, 0, 0.0001, 10, 0.0001);
        heat.MISCNUM[2] = 1;
        for (const auto& [slot, kl] : c.volumes) {
            design.Slots[slot].KL = kl;
        }
        Section8();
        EXPECT_DOUBLE_EQ(heat.NUMBER, c.served);
        EXPECT_DOUBLE_EQ(design.Slots[Slot::Environment].CR, 10 * c.served);
    }
}

TEST_F(EngineFeatures, PerKlEnvironmentWithoutVolumeKeepsItsCountUntilThereIsRoom) {
    ComponentRecord& heat = design.Environment[1];
    heat = Entry("Heat and Light", 1, 0, 0.0001, 10, 0.0001);
    heat.MISCNUM[2] = 1;
    design.Slots[Slot::PowerPlant].KL = 1400;  // more than the hull
    Section8();
    EXPECT_EQ(heat.NUMBER, 1);
    EXPECT_EQ(design.Slots[Slot::Environment].CR, 0);

    design.Slots[Slot::PowerPlant].KL = 350;
    Section8();
    EXPECT_EQ(heat.NUMBER, 1000);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Environment].CR, 10000);
}

TEST_F(EngineFeatures, AntiHijackCountsEntries1To10OnlyAndCustomFeaturesAll) {
    for (int i = 1; i <= kAntiHijackMax; ++i) {
        design.AntiHijack[i] = Entry("Lock", 1, 1, 7, 100, 0);
    }
    design.CustomFeatures[10] = Entry("Bar", 2, 5, 1, 1000, 0.5);
    Section8();
    EXPECT_DOUBLE_EQ(design.Slots[Slot::AntiHijack].KL, 10);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::AntiHijack].TONS, 10);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::AntiHijack].CR, 1000);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::CustomFeatures].TONS, 10);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::CustomFeatures].MW, 1);
}

TEST_F(EngineFeatures, AuxiliaryBridgeIsSizedByTheBridgeCrewOfThePreviousRun) {
    design.Slots[Slot::AuxiliaryBridge].NUMBER = 1;
    design.Slots[Slot::Crew].MISCSTR[1] = "3";  // as a loaded design carries it
    Section8();
    EXPECT_DOUBLE_EQ(design.Slots[Slot::AuxiliaryBridge].KL, 162);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::AuxiliaryBridge].TONS, 12);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::AuxiliaryBridge].CR, 1200000);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::AuxiliaryBridge].MW, 0.009);
    EXPECT_EQ(design.Slots[Slot::Crew].MISCSTR[1].trimmed(), "1");  // this run's bridge crew

    Section8();
    EXPECT_DOUBLE_EQ(design.Slots[Slot::AuxiliaryBridge].KL, 54);
    design.Slots[Slot::AuxiliaryBridge].NUMBER = 0;
    Section8();
    EXPECT_EQ(design.Slots[Slot::AuxiliaryBridge].KL, 0);
}

class EngineCraft : public EngineFeatures {};

TEST_F(EngineCraft, CraftAddTheirOwnDockingVolumeOncePerEntry) {
    // A catalog row read last must not stand in for the craft's docking volume.
    ComponentRecord panel = engine_test::Row("PN", 7, "Panel");
    panel.MISCNUM[2] = 999;
    catalog = Catalog({panel});
    design.Slots[Slot::Panels].TABLE = "PN";
    design.Slots[Slot::Panels].IDNUM = 7;
    design.Craft[1] = Entry("Pinnace", 2, 100, 40, 5000000, 1);
    design.Craft[1].MISCNUM[2] = 20;
    design.Craft[2] = Entry("Gig", 0, 50, 20, 1000000, 1);
    design.Craft[2].MISCNUM[2] = 10;
    engine::RecalculateSection(design, catalog, RecalcSection::Craft);
    engine::RecalculateSection(design, catalog, RecalcSection::Craft);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::SubordinateCraft].KL, 220);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::SubordinateCraft].TONS, 200);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::SubordinateCraft].CR, 10000000);

    design.Slots[Slot::Configuration].USP = "7";  // this configuration docks without extra volume
    engine::RecalculateSection(design, catalog, RecalcSection::Craft);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::SubordinateCraft].KL, 200);
}

TEST_F(EngineCraft, LaunchTubeIsSizedByTheCraftItLaunches) {
    design.Slots[Slot::LaunchTube].NUMBER = 1;
    design.Slots[Slot::LaunchTube].MISCNUM[1] = 10;
    engine::RecalculateSection(design, catalog, RecalcSection::Craft);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::LaunchTube].KL, 3375);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::LaunchTube].CR, 506250);
    design.Slots[Slot::LaunchTube].NUMBER = 0;
    engine::RecalculateSection(design, catalog, RecalcSection::Craft);
    EXPECT_EQ(design.Slots[Slot::LaunchTube].KL, 0);
    EXPECT_EQ(design.Slots[Slot::LaunchTube].CR, 0);
}

class EngineControl : public ::testing::Test {
protected:
    Catalog catalog{BasicRows()};
    Design design;

    EngineControl() {
        design.DesignTL() = 10;
        design.Slots[Slot::MainComputer].MISCNUM[1] = 2;  // main computer divisor
        design.Slots[Slot::Panels] = catalog.LookupComponent("PN", 7);
        design.Slots[Slot::Panels].KL = design.Slots[Slot::Panels].TONS =
            design.Slots[Slot::Panels].CR = 0;
        design.Slots[Slot::Panels].MW = 0;  // no panels computed yet
    }
};

TEST_F(EngineControl, ControlPointsByAreaAndPanelsFromTheRemainder) {
    design.Slots[Slot::PowerPlant].CR = 1000000;      // area 2
    design.Slots[Slot::BackupComputer].CR = 1000000;  // area 8
    design.Slots[Slot::PanelAddOns].MISCNUM[1] = 1;
    engine::RecalculateSection(design, catalog, RecalcSection::Control);
    EXPECT_DOUBLE_EQ(design.ControlPoints[2], 100);
    EXPECT_DOUBLE_EQ(design.ControlPoints[8], 100);
    EXPECT_DOUBLE_EQ(design.ControlTotal, 200);
    EXPECT_DOUBLE_EQ(design.ControlRemaining, 75);  // (200 − 50) / 2
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Panels].NUMBER, 1.5);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Panels].CR, 15000);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Panels].KL, 0.225);

    // The panels' own cost counts in area 8 from the next run on.
    engine::RecalculateSection(design, catalog, RecalcSection::Control);
    EXPECT_DOUBLE_EQ(design.ControlPoints[8], 101.5);
}

TEST_F(EngineControl, NoComputerOrPanelIsAProblemAndGivesNoPanels) {
    design.Slots[Slot::PowerPlant].CR = 1000000;
    design.Slots[Slot::MainComputer].MISCNUM[1] = 0;
    engine::RecalculateSection(design, catalog, RecalcSection::Control);
    EXPECT_EQ(design.ControlRemaining, 0);
    EXPECT_EQ(design.Slots[Slot::Panels].NUMBER, 0);
    EXPECT_TRUE(HasProblem(design, "No main computer"));

    design.Slots[Slot::MainComputer].MISCNUM[1] = 2;
    design.Slots[Slot::Panels] = ComponentRecord{};
    engine::RecalculateSection(design, catalog, RecalcSection::Control);
    EXPECT_FALSE(HasProblem(design, "No main computer"));
    EXPECT_TRUE(HasProblem(design, "No control panel"));
    EXPECT_EQ(design.Slots[Slot::Panels].NUMBER, 0);
    EXPECT_EQ(design.DesignValid(), 0);
}

class EngineCrew : public ::testing::Test {
protected:
    Catalog catalog;
    Design design;

    EngineCrew() {
        design.DesignTL() = 10;
        design.HullKL() = 1350;
        design.Slots[Slot::MainComputer].MISCNUM[1] = 1;
        design.Slots[Slot::Panels].MISCNUM[1] = 50;
    }

    std::string Crew(int category) {
        engine::RecalculateSection(design, catalog, RecalcSection::Crew);
        return category <= 10
                   ? design.Slots[Slot::Crew].MISCSTR[category].trimmed()
                   : design.Slots[Slot::PassengersAndCrewTotal].MISCSTR[category - 10].trimmed();
    }
};

TEST_F(EngineCrew, DefaultCrewOfEveryCategory) {
    design.Slots[Slot::Hull].CR = 4000000;           // area 1: 400
    design.Slots[Slot::PowerPlant].CR = 2000000;     // area 2: 200
    design.Slots[Slot::ManeuverDrive].CR = 2000000;  // area 3: 200
    design.Slots[Slot::Weapons].CR = 15000000;       // area 6: 1500
    design.Slots[Slot::Screens].CR = 1000000;        // area 7: 100
    design.Craft[1] = Entry("Fighter", 3, 0, 0, 0, 0);
    design.Craft[1].MISCNUM[3] = 2;
    design.Craft[2] = Entry("Spare", 0, 0, 0, 0, 0);
    design.Craft[2].MISCNUM[3] = 5;
    design.Slots[Slot::Crew].MISCNUM[8] = 11;                    // actual command crew
    design.Slots[Slot::PassengersAndCrewTotal].MISCNUM[1] = 13;  // high passengers
    design.Slots[Slot::PassengersAndCrewTotal].MISCNUM[2] = 20;  // middle passengers
    design.Slots[Slot::PassengersAndCrewTotal].MISCNUM[3] = 40;  // low passengers
    engine::RecalculateSection(design, catalog, RecalcSection::Crew);

    const char* expected[] = {"", "3", "1", "53", "10", "6", "0", "4", "12", "2", "5"};
    for (int category = 1; category <= 10; ++category) {
        EXPECT_EQ(design.Slots[Slot::Crew].MISCSTR[category].trimmed(), expected[category])
            << "category " << category;
    }
    for (int category = 1; category <= 3; ++category) {
        EXPECT_EQ(design.Slots[Slot::PassengersAndCrewTotal].MISCSTR[category].trimmed(), "0");
    }
    EXPECT_EQ(design.Slots[Slot::PassengersAndCrewTotal].MISCSTR[10].trimmed(), "96");
    EXPECT_EQ(design.Slots[Slot::Crew].LABEL.trimmed(), "CREW1");
    EXPECT_EQ(design.Slots[Slot::PassengersAndCrewTotal].LABEL.trimmed(), "CREW2");
}

TEST_F(EngineCrew, BridgeCrewIsAtLeastOneAndCompressedAboveTen) {
    EXPECT_EQ(Crew(1), "1");
    design.Slots[Slot::BackupComputer].CR = 7500000;  // 750 points: 1
    EXPECT_EQ(Crew(1), "1");
    design.Slots[Slot::BackupComputer].CR = 75000000;  // 7500 points: 10
    EXPECT_EQ(Crew(1), "10");
    design.Slots[Slot::BackupComputer].CR = 187500000;  // raw 25 becomes 12
    EXPECT_EQ(Crew(1), "12");
}

TEST_F(EngineCrew, GunnersAreCompressedAboveFifty) {
    design.Slots[Slot::Weapons].CR = 5000000;  // raw 50
    EXPECT_EQ(Crew(3), "50");
    design.Slots[Slot::Weapons].CR = 15000000;  // raw 150 becomes 53
    EXPECT_EQ(Crew(3), "53");
}

TEST_F(EngineCrew, DriveOptionsScaleTheEngineers) {
    design.Slots[Slot::PowerPlant].CR = 20000000;  // 2000 + 2000 points: 10 engineers
    design.Slots[Slot::ManeuverDrive].CR = 20000000;
    EXPECT_EQ(Crew(2), "10");
    design.Slots[Slot::DriveOptions].MISCNUM[1] = 1;
    design.Slots[Slot::DriveOptions].MISCNUM[2] = 1;
    design.Slots[Slot::DriveOptions].MISCNUM[3] = 1;
    EXPECT_EQ(Crew(2), "7");  // 10 × 0.8 × 0.8 × 1.2 = 7.68
}

TEST_F(EngineCrew, WithoutAMainComputerTheCrewIsMinimalAndSaidSo) {
    design.Slots[Slot::Weapons].CR = 15000000;
    design.Slots[Slot::MainComputer].MISCNUM[1] = 0;
    EXPECT_EQ(Crew(1), "1");
    EXPECT_EQ(Crew(3), "0");
    EXPECT_TRUE(HasProblem(design, "Default crew was computed without a main computer"));
    EXPECT_TRUE(HasProblem(design, "No main computer"));
}

}  // namespace
}  // namespace korvane
