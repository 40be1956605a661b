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

    slots[1].MISCNUM[2] = 75;  // batteries bearing, %
    slots[2].USP = "5";
    slots[2].MISCNUM[6] = 3;  // airframe
    slots[3].NUMBER = 46;
    slots[3].MISCSTR[1] = "Dense Allo";
    slots[3].MISCSTR[2] = "2";
    slots[4].LABEL = "Fusion Plant";
    slots[4].KL = 1620;
    slots[5].NUMBER = 720;
    slots[5].KL = 4050;
    slots[5].TONS = 300;
    slots[5].MISCNUM[1] = 1440.5;
    slots[5].MISCNUM[2] = 0.5;
    slots[5].MISCSTR[2] = "1000110101";
    slots[6].USP = "3";
    slots[6].KL = 1350;
    slots[6].MISCNUM[1] = 1;  // spare fuel for one more jump
    slots[7].KL = 8100;
    slots[7].TONS = 600;
    slots[8].USP = "4";
    slots[8].KL = 810;
    slots[8].MISCNUM[1] = 2;  // agility
    slots[9].NUMBER = 1;
    slots[10].NUMBER = 1;
    slots[10].MISCNUM[10] = 12;
    slots[12].NUMBER = 1;
    slots[12].LABEL = "Avionics-Military";
    slots[14].MISCNUM[1] = 3;  // DefDM
    slots[16].NUMBER = 1;
    slots[16].LABEL = "Meson Spinal-H";
    slots[18].NUMBER = 24;
    slots[18].TONS = 50;
    slots[18].MISCNUM[1] = 2;
    slots[18].MISCNUM[2] = 1;
    slots[19].LABEL = "Model/7fib";
    slots[20].LABEL = "Model/5";
    slots[20].CR = 1000;
    slots[21].LABEL = "Holographic Linked";
    slots[21].NUMBER = 12.7;
    slots[22].MISCNUM[1] = 2;
    slots[22].MISCNUM[3] = 1;
    const double positions[] = {5, 12, 20, 4, 6, 0, 3, 2, 1, 2};
    for (std::size_t i = 1; i <= 10; ++i) {
        slots[23].MISCNUM[i] = positions[i - 1];
    }
    slots[24].MISCNUM[1] = 4;
    slots[24].MISCNUM[2] = 2;
    slots[24].MISCNUM[3] = 10;
    slots[24].MISCNUM[10] = 55;
    slots[26].MISCNUM[1] = 50;
    slots[26].MISCNUM[2] = 1;
    slots[27].TONS = 120;
    slots[31].LABEL = "Cruiser";
    slots[32].NUMBER = 1;
    slots[33].MISCNUM[2] = 1;  // low-maintenance jump drives
    slots[33].MISCNUM[3] = 1;  // high-performance maneuver drives
    slots[33].MISCNUM[4] = 150;
    slots[33].MISCNUM[5] = 200;
    slots[33].MISCNUM[6] = 3.5;
    slots[33].MISCNUM[7] = 4;

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
