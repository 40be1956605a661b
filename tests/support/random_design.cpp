#include "support/random_design.h"

#include <algorithm>
#include <span>
#include <string>

#include "app/new_design.h"
#include "engine/recalculate.h"

namespace korvane::testing {

namespace {

int Between(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

// A random row of the family: ids run from 1 up to the first missing one.
ComponentRecord RandomRow(Catalog& catalog, std::mt19937& random, const char* family) {
    int rows = 0;
    while (!IsEmptyEntry(catalog.LookupComponent(family, rows + 1))) {
        ++rows;
    }
    return catalog.LookupComponent(family, Between(random, 1, rows));
}

// Fills a random number of the table's entries, at random places up to
// `places` (all by default), with random rows and counts (now and then 0: an
// entry kept but not counted).
void FillSome(Catalog& catalog, std::mt19937& random, std::span<ComponentRecord> entries,
              const char* family, int places = 0) {
    const int last = places > 0 ? places : static_cast<int>(entries.size()) - 1;
    const int filled = Between(random, 0, last);
    for (int k = 0; k < filled; ++k) {
        ComponentRecord& entry = entries[static_cast<std::size_t>(Between(random, 1, last))];
        entry = RandomRow(catalog, random, family);
        entry.NUMBER = Between(random, 0, 4);
    }
}

}  // namespace

Design RandomDesign(Catalog& catalog, std::mt19937& random) {
    Design design;
    NewDesign(design, catalog);
    design.SetShipName("Random " + std::to_string(Between(random, 1, 999999)));
    design.Slots[Slot::Hull].KL = 13.5 * Between(random, 10, 20000);
    design.Slots[Slot::Armour] = RandomRow(catalog, random, "AT");
    design.Slots[Slot::PowerPlant] = RandomRow(catalog, random, "PP");
    design.Slots[Slot::PowerPlant].KL = Between(random, 1, 3000);
    design.Slots[Slot::PlantFuel].NUMBER = Between(random, 0, 24 * 28);
    design.Slots[Slot::JumpDrive].USP = std::to_string(Between(random, 0, 6));
    design.Slots[Slot::ManeuverDrive].USP = std::to_string(Between(random, 0, 6));
    design.Slots[Slot::FuelScoops].NUMBER = Between(random, 0, 1);
    if (Between(random, 0, 1) == 1) {
        design.Slots[Slot::Purifiers] = RandomRow(catalog, random, "PU");
        design.Slots[Slot::Purifiers].NUMBER = 1;
    }
    design.Slots[Slot::EmMask].NUMBER = Between(random, 0, 1);
    if (Between(random, 0, 1) == 1) {
        design.Slots[Slot::SpinalMount] = RandomRow(catalog, random, "SP");
        design.Slots[Slot::SpinalMount].NUMBER = 1;
    }
    design.Slots[Slot::Magazine].MISCNUM[1] = Between(random, 0, 3);
    design.Slots[Slot::MainComputer] = RandomRow(catalog, random, "CO");
    design.Slots[Slot::LaunchTube].NUMBER = Between(random, 0, 1);
    design.Slots[Slot::LaunchTube].MISCNUM[1] = Between(random, 0, 100);
    design.Slots[Slot::AuxiliaryBridge].NUMBER = Between(random, 0, 1);
    FillSome(catalog, random, design.Sensors, "SA");
    FillSome(catalog, random, design.Communicators, "CM");
    FillSome(catalog, random, design.Turrets, "TR");
    for (int i = 1; i <= kTurretsMax; ++i) {
        design.Turrets[static_cast<std::size_t>(i)].MISCSTR[2] =
            std::to_string(Between(random, 1, 3));
    }
    FillSome(catalog, random, design.Bays, "BY");
    FillSome(catalog, random, design.Screens, "SC");
    FillSome(catalog, random, design.Accommodations, "AC");
    FillSome(catalog, random, design.Craft, "CR");
    FillSome(catalog, random, design.AntiHijack, "AH", 10);  // as its editor does
    for (int k = Between(random, 0, kCustomFeaturesMax); k >= 1; --k) {
        ComponentRecord& feature = design.CustomFeatures[static_cast<std::size_t>(k)];
        feature.LABEL = "Feature " + std::to_string(k);
        feature.NUMBER = Between(random, 0, 3);
        feature.KL = Between(random, 0, 500) / 4.0;
        feature.TONS = Between(random, 0, 100) / 8.0;
        feature.CR = Between(random, 0, 1000000);
        feature.MW = Between(random, 0, 50) / 10.0;
    }
    Recalculate(design, catalog);
    return design;
}

Design WithEntriesReversed(Design design) {
    for (std::size_t t = 1; t < Design::kTableCount; ++t) {
        const std::span<ComponentRecord> entries = design.Table(t);
        if (entries.data() == design.Sensors.data() || entries.data() == design.Bays.data() ||
            entries.data() == design.Screens.data()) {
            continue;
        }
        auto end = entries.end();
        while (end != entries.begin() + 1 && IsEmptyEntry(*(end - 1))) {
            --end;
        }
        std::reverse(entries.begin() + 1, end);
    }
    return design;
}

}  // namespace korvane::testing
