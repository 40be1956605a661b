#pragma once

// Random designs built from the standard catalog the way the section editors
// build them (catalog rows copied into slots and tables, counts and options
// typed in), left unsettled: the tables as an editor leaves them before the
// recalculation. The same seed gives the same design.

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "app/new_design.h"
#include "engine_test_support.h"
#include "model/catalog.h"
#include "model/design.h"

namespace korvane::engine_test {

class RandomDesigns {
public:
    RandomDesigns(Catalog& catalog, std::uint32_t seed) : catalog_(catalog), random_(seed) {}

    Design Next() {
        Design design;
        NewDesign(design, catalog_);
        auto& slots = design.Slots;
        design.DesignTL() = static_cast<std::int16_t>(Pick(8, 20));

        // Hull: 10 to about 100,000 tons, configuration, streamlining, armour, ship type.
        const int magnitude = Pick(1, 5);
        const int tons = Pick(10, 10 * Power10(magnitude - 1) * 10);
        slots[Slot::Hull].KL = tons * kKlPerTon;
        const int configuration = Pick(1, 8);
        slots[Slot::Configuration] = catalog_.LookupComponent("CN", configuration);
        slots[Slot::Configuration].USP = std::to_string(configuration - 1);
        slots[Slot::Configuration].MISCNUM[6] = Pick(1, 3);
        const ComponentRecord& armour = catalog_.LookupComponent("AT", Pick(1, 5));
        slots[Slot::Armour].MISCSTR[1] = armour.LABEL.view();
        slots[Slot::Armour].MISCNUM[1] = armour.TONS;
        slots[Slot::Armour].MISCNUM[2] = armour.CR;
        slots[Slot::Armour].MISCSTR[2] = std::string(1, "0123456789ABC"[Pick(0, 12)]);
        const ComponentRecord& type = catalog_.LookupComponent("TY", Pick(1, 22));
        slots[Slot::ShipType].USP = type.USP;
        slots[Slot::ShipType].LABEL = type.LABEL.view();
        slots[Slot::ShipType].IDNUM = type.IDNUM;

        // Power: plant, its size, fuel hours and what the endurance leaves out.
        slots[Slot::PowerPlant] = catalog_.LookupComponent("PP", Pick(1, 10));
        slots[Slot::PowerPlant].KL = Pick(1, 40) * tons * kKlPerTon / 400;
        slots[Slot::PlantFuel].NUMBER = std::array{0, 24, 168, 720, 2000}[Pick(0, 4)];
        if (Chance(3)) {
            slots[Slot::PlantFuel].MISCSTR[1] = "1";
            std::string flags;
            for (int k = 0; k < 10; ++k) {
                flags += Chance(2) ? '1' : '0';
            }
            slots[Slot::PlantFuel].MISCSTR[2] = flags;
            slots[Slot::PlantFuel].MISCNUM[2] = Pick(0, 4);
        }

        // Drives, towed tons, extra jumps, scoops and purifiers.
        const int jump = Pick(0, 6);
        slots[Slot::JumpDrive].USP = std::to_string(jump);
        slots[Slot::ManeuverDrive].USP = std::to_string(Pick(0, 6));
        if (jump > 0 && Chance(4)) {
            slots[Slot::JumpDrive].MISCNUM[1] = Pick(1, 2);
        }
        for (std::size_t option = 1; option <= 3; ++option) {
            slots[Slot::DriveOptions].MISCNUM[option] = Chance(4) ? 1 : 0;
        }
        if (Chance(6)) {
            slots[Slot::DriveOptions].MISCNUM[4] = Pick(1, tons);
            slots[Slot::DriveOptions].MISCNUM[5] = Pick(0, tons);
        }
        slots[Slot::FuelScoops].NUMBER = Pick(0, 1);
        if (Chance(2)) {
            slots[Slot::Purifiers] = catalog_.LookupComponent("PU", Pick(1, 3));
            slots[Slot::Purifiers].NUMBER = 1;
        }

        // Electronics.
        slots[Slot::Avionics] = catalog_.LookupComponent("AV", Pick(1, 5));
        slots[Slot::Avionics].NUMBER = 1;
        slots[Slot::EmMask].NUMBER = Pick(0, 1);
        static constexpr std::string_view kSensorFamilies[] = {"SA", "SD", "SM", "SN", "SV"};
        for (int i = Pick(0, kSensorsMax); i >= 1; --i) {
            Fill(design.Sensors[i], kSensorFamilies[Pick(0, 4)], 1, 16, Pick(1, 3));
        }
        for (int i = Pick(0, kCommunicatorsMax); i >= 1; --i) {
            Fill(design.Communicators[i], "CM", 1, 10, Pick(1, 2));
        }

        // Weapons, screens, magazine.
        for (int i = Pick(0, kTurretsMax); i >= 1; --i) {
            Fill(design.Turrets[i], "TR", 1, 23, Pick(1, 10));
            design.Turrets[i].MISCSTR[2] = std::to_string(Pick(1, 3));
        }
        for (int i = Pick(0, 3); i >= 1; --i) {
            Fill(design.Bays[i], "BY", 1, 10, Pick(1, 4));
        }
        for (int i = Pick(0, 2); i >= 1; --i) {
            Fill(design.Screens[i], "SC", 1, 14, Pick(1, 2));
        }
        if (Chance(4)) {
            slots[Slot::SpinalMount] = catalog_.LookupComponent("SP", Pick(1, 9));
            slots[Slot::SpinalMount].NUMBER = 1;
        }
        slots[Slot::Magazine].MISCNUM[1] = Pick(0, 3);
        slots[Slot::Magazine].MISCNUM[2] = Pick(0, 2);

        // Control: computers (sometimes none), panels, displays, auxiliary bridge.
        FitComputer(catalog_, slots[Slot::MainComputer], Chance(20) ? 0 : Pick(1, 11));
        FitComputer(catalog_, slots[Slot::BackupComputer], Chance(2) ? 0 : Pick(1, 11));
        slots[Slot::Panels] = catalog_.LookupComponent("PN", Pick(1, 8));
        for (std::size_t display = 1; display <= 3; ++display) {
            slots[Slot::PanelAddOns].MISCNUM[display] = Chance(3) ? Pick(1, 6) : 0;
        }
        slots[Slot::AuxiliaryBridge].NUMBER = Pick(0, 1);

        // Accommodation, craft, launch tube, anti-hijack, custom features, passengers.
        for (int i = Pick(0, 12); i >= 1; --i) {
            Fill(design.Accommodations[i], "AC", 1, 9, Pick(1, 40));
        }
        for (int i = Pick(0, 4); i >= 1; --i) {
            Fill(design.Craft[i], "CR", 1, 12, Pick(1, 3));
        }
        if (Chance(5)) {
            slots[Slot::LaunchTube].NUMBER = 1;
            slots[Slot::LaunchTube].MISCNUM[1] = Pick(10, 100);
        }
        for (int i = Pick(0, 3); i >= 1; --i) {
            Fill(design.AntiHijack[i], "AH", 1, 8, Pick(1, 4));
        }
        for (int i = Pick(0, 2); i >= 1; --i) {
            ComponentRecord& feature = design.CustomFeatures[i];
            feature.LABEL = "Feature " + std::to_string(i);
            feature.NUMBER = Pick(1, 3);
            feature.KL = Pick(1, 100);
            feature.TONS = Pick(1, 20);
            feature.CR = Pick(1, 100) * 10000.0;
            feature.MW = Pick(0, 10) / 10.0;
        }
        design.Environment[4].NUMBER = Pick(1, 10);
        auto& passengers = slots[Slot::PassengersAndCrewTotal];
        passengers.MISCNUM[1] = Pick(0, 20);
        passengers.MISCNUM[2] = Pick(0, 40);
        passengers.MISCNUM[3] = Pick(0, 60);
        slots[Slot::Crew].MISCNUM[8] = Pick(0, 5);
        return design;
    }

private:
    int Pick(int low, int high) {
        return low + static_cast<int>(random_() % static_cast<std::uint32_t>(high - low + 1));
    }
    bool Chance(int oneIn) { return Pick(1, oneIn) == 1; }
    static int Power10(int exponent) {
        int value = 1;
        while (exponent-- > 0) {
            value *= 10;
        }
        return value;
    }

    // A catalog row of the family with an id from low to high (the first row
    // when that id is missing), fitted `number` times.
    void Fill(ComponentRecord& entry, std::string_view family, int low, int high, int number) {
        entry = catalog_.LookupComponent(family, Pick(low, high));
        if (IsEmptyEntry(entry)) {
            entry = catalog_.LookupComponent(family, 1);
        }
        entry.NUMBER = number;
    }

    Catalog& catalog_;
    std::mt19937 random_;
};

}  // namespace korvane::engine_test
