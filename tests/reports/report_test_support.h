#pragma once

// Designs, contexts and golden files for the profile text and the design page.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>

#include "app/new_design.h"
#include "model/catalog.h"
#include "model/design.h"
#include "model/standard_catalog.h"
#include "reports/report_context.h"
#include "support/temp_dir.h"

namespace korvane::report_test {

// A Monday, so the credit line reads "Monday, December 7, 2026".
inline ReportContext ContextOn2026December7() {
    ReportContext context;
    context.today = std::chrono::sys_days(std::chrono::year(2026) / 12 / 7);
    return context;
}

// The design the program starts with on the standard catalog.
inline Design DefaultDesign() {
    Catalog catalog(StandardCatalogRows());
    Design design;
    NewDesign(design, catalog);
    return design;
}

inline ComponentRecord Item(std::string_view label, double number) {
    ComponentRecord entry;
    entry.LABEL = label;
    entry.NUMBER = number;
    return entry;
}

// A 2,000-ton cruiser with every section filled, set field by field as a
// recalculation leaves it, so that the reports are tested on their own. Its
// name and some labels carry the characters HTML gives a meaning.
inline Design RichDesign() {
    Design design;
    auto& slots = design.Slots;
    design.SetShipName("Harrow & <Vane> 'Kestrel'");
    design.DesignTL() = 15;
    design.HullKL() = 27000;
    design.UsedKL() = 25431.7;
    design.TotalTons() = 18234.567;
    design.TotalCr() = 1234567890.5;
    design.AvailableMW() = 15234.56;
    design.Hardpoints() = 20;
    design.UsedHardpoints() = 14;

    slots[Slot::Hull].MISCNUM[2] = 75;  // batteries bearing, %
    slots[Slot::Configuration].USP = "5";
    slots[Slot::Configuration].MISCNUM[6] = 3;  // airframe
    slots[Slot::Armour].NUMBER = 46;
    slots[Slot::Armour].MISCSTR[1] = "Dense Allo";
    slots[Slot::Armour].MISCSTR[2] = "2";
    slots[Slot::PowerPlant].LABEL = "Fusion Plant";
    slots[Slot::PowerPlant].KL = 1620;
    slots[Slot::PlantFuel].NUMBER = 720;
    slots[Slot::PlantFuel].KL = 4050;
    slots[Slot::PlantFuel].TONS = 300;
    slots[Slot::PlantFuel].MISCNUM[1] = 1440.5;
    slots[Slot::PlantFuel].MISCNUM[2] = 0.5;
    slots[Slot::PlantFuel].MISCSTR[2] = "1000110101";
    slots[Slot::JumpDrive].USP = "3";
    slots[Slot::JumpDrive].KL = 1350;
    slots[Slot::JumpDrive].MISCNUM[1] = 1;  // spare fuel for one more jump
    slots[Slot::JumpFuel].KL = 8100;
    slots[Slot::JumpFuel].TONS = 600;
    slots[Slot::ManeuverDrive].USP = "4";
    slots[Slot::ManeuverDrive].KL = 810;
    slots[Slot::ManeuverDrive].MISCNUM[1] = 2;  // agility
    slots[Slot::FuelScoops].NUMBER = 1;
    slots[Slot::Purifiers].NUMBER = 1;
    slots[Slot::Purifiers].MISCNUM[10] = 12;
    slots[Slot::Avionics].NUMBER = 1;
    slots[Slot::Avionics].LABEL = "Avionics-Military";
    slots[Slot::EmMask].MISCNUM[1] = 3;  // DefDM
    slots[Slot::SpinalMount].NUMBER = 1;
    slots[Slot::SpinalMount].LABEL = "Meson Spinal-H";
    slots[Slot::Magazine].NUMBER = 24;
    slots[Slot::Magazine].TONS = 50;
    slots[Slot::Magazine].MISCNUM[1] = 2;
    slots[Slot::Magazine].MISCNUM[2] = 1;
    slots[Slot::MainComputer].LABEL = "Model/7fib";
    slots[Slot::BackupComputer].LABEL = "Model/5";
    slots[Slot::BackupComputer].CR = 1000;
    slots[Slot::Panels].LABEL = "Holographic Linked";
    slots[Slot::Panels].NUMBER = 12.7;
    slots[Slot::PanelAddOns].MISCNUM[1] = 2;
    slots[Slot::PanelAddOns].MISCNUM[3] = 1;
    const double positions[] = {5, 12, 20, 4, 6, 0, 3, 2, 1, 2};
    for (std::size_t i = 1; i <= 10; ++i) {
        slots[Slot::Crew].MISCNUM[i] = positions[i - 1];
    }
    slots[Slot::PassengersAndCrewTotal].MISCNUM[1] = 4;
    slots[Slot::PassengersAndCrewTotal].MISCNUM[2] = 2;
    slots[Slot::PassengersAndCrewTotal].MISCNUM[3] = 10;
    slots[Slot::PassengersAndCrewTotal].MISCNUM[10] = 55;
    slots[Slot::LaunchTube].MISCNUM[1] = 50;
    slots[Slot::LaunchTube].MISCNUM[2] = 1;
    slots[Slot::SubordinateCraft].TONS = 120;
    slots[Slot::ShipType].LABEL = "Cruiser";
    slots[Slot::AuxiliaryBridge].NUMBER = 1;
    slots[Slot::DriveOptions].MISCNUM[2] = 1;  // low-maintenance jump drives
    slots[Slot::DriveOptions].MISCNUM[3] = 1;  // high-performance maneuver drives
    slots[Slot::DriveOptions].MISCNUM[4] = 150;
    slots[Slot::DriveOptions].MISCNUM[5] = 200;
    slots[Slot::DriveOptions].MISCNUM[6] = 3.5;
    slots[Slot::DriveOptions].MISCNUM[7] = 4;

    design.SensorCodes = {"", "R", "D", "F", "D", "S", "R"};
    const int kTurret = 1, kBay = 2, kSpinal = 3;
    const int kLaser = 1, kMissile = 2, kSand = 3, kMeson = 7, kJumpDamper = 10;
    design.WeaponFactors[kLaser][kTurret] = 5;
    design.WeaponCounts[kLaser][kTurret] = 4;
    design.WeaponFactors[kMissile][kTurret] = 3;
    design.WeaponCounts[kMissile][kTurret] = 2;
    design.WeaponFactors[kMissile][kBay] = 9;
    design.WeaponCounts[kMissile][kBay] = 2;
    design.WeaponCounts[kSand][kTurret] = 1;  // one sandcaster, too weak for a factor
    design.WeaponFactors[kMeson][kSpinal] = 17;
    design.WeaponCounts[kMeson][kSpinal] = 1;
    design.WeaponFactors[kJumpDamper][kBay] = 2;
    design.WeaponCounts[kJumpDamper][kBay] = 1;

    design.Turrets[1] = Item("Triple Beam Laser", 12);
    design.Turrets[1].MISCSTR[2] = "3";
    design.Turrets[2] = Item("Triple Missile Rack", 6);
    design.Turrets[2].MISCSTR[2] = "3";
    design.Turrets[3] = Item("Retired Turret", 0);
    design.Turrets[4] = Item("Single Sandcaster", 1);
    design.Turrets[4].MISCSTR[2] = "1";
    design.Bays[1] = Item("100-ton Missile Bay", 2);
    design.Bays[1].USP = "9";
    design.Bays[2] = Item("Jump Damper Bay", 1);
    design.Bays[2].USP = "2";
    design.Screens[1] = Item("Nuclear Screen-5", 1);
    design.Screens[2] = Item("Spare Screen", 0);
    design.Screens[3] = Item("Meson Screen-4", 1);
    design.Communicators[1] = Item("Radio, Orbital", 2);
    design.Communicators[2] = Item("Meson Comm <fleet>", 0);
    design.Communicators[3] = Item("Laser Comm, System", 1);
    design.Sensors[1] = Item("A-EMS  Orbt 50000 km", 1);
    design.Sensors[2] = Item("Neutrino    1 MW", 2);
    design.Environment[1] = Item("Heat and Light", 27000);
    design.Environment[1].MISCNUM[2] = 1;  // per kl
    design.Environment[2] = Item("Airlock", 4);
    design.Accommodations[1] = Item("Stateroom", 30);
    design.Accommodations[2] = Item("Double Stateroom", 4);
    design.Accommodations[3] = Item("Low Berth", 10);
    design.Accommodations[5] = Item("Emergency Low Berth", 4);
    design.Accommodations[6] = Item("Crew Lounge & Bar", 1);
    design.Craft[1] = Item("Ship's Boat, 30 tons", 2);
    design.Craft[1].MISCNUM[1] = 30;
    design.Craft[1].MISCNUM[3] = 2;
    design.Craft[1].TL = 9;
    design.Craft[2] = Item("Light Fighter, 10 to", 6);
    design.Craft[2].MISCSTR[1] = "ns, one pi";
    design.Craft[2].MISCSTR[2] = "lot";
    design.Craft[2].MISCNUM[1] = 10;
    design.Craft[2].MISCNUM[3] = 1;
    design.Craft[2].TL = 10;
    design.AntiHijack[1] = Item("Secure Bridge Door", 2);
    design.AntiHijack[2] = Item("Security Door", 12);
    design.AntiHijack[3] = Item("Intruder Sensor", 20);
    design.AntiHijack[4] = Item("Gas Dispenser", 0);
    design.AntiHijack[5] = Item("Security Camera", 16);
    design.AntiHijack[7] = Item("Armoured Bulkhead", 3);
    design.CustomFeatures[1] = Item("Ship's Library", 1);
    design.CustomFeatures[1].MISCSTR[1] = "& Archive";
    design.CustomFeatures[2] = Item("Gym <Deck 3>", 1);
    return design;
}

inline std::vector<std::string> RichNotes() {
    return {"Built at the Harrow yards & refitted twice.", "", "   ",
            "  Keeps a <b>standing</b> watch."};
}

// Compares a whole report with its golden file under tests/data/reports. With
// KORVANE_UPDATE_GOLDEN=1 the file is rewritten instead and the test skipped,
// so a rewrite never passes unnoticed: read the new file before keeping it.
inline void ExpectGolden(const std::string& actual, const std::string& name) {
    const std::string path = std::string(KORVANE_TEST_DATA) + "/reports/" + name;
    if (const char* update = std::getenv("KORVANE_UPDATE_GOLDEN");
        update && std::string_view(update) == "1") {
        testing::WriteText(path, actual);
        GTEST_SKIP() << "rewrote " << path;
    }
    ASSERT_TRUE(std::filesystem::exists(path)) << "missing golden file " << path;
    const std::string expected = testing::ReadText(path);

    std::istringstream actual_lines(actual);
    std::istringstream expected_lines(expected);
    std::string actual_line;
    std::string expected_line;
    for (int line = 1;; ++line) {
        const bool has_actual = static_cast<bool>(std::getline(actual_lines, actual_line));
        const bool has_expected = static_cast<bool>(std::getline(expected_lines, expected_line));
        if (!has_actual && !has_expected) {
            break;
        }
        ASSERT_EQ(actual_line, expected_line) << name << ", line " << line;
    }
    EXPECT_EQ(actual, expected) << name;
}

}  // namespace korvane::report_test
