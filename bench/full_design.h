#pragma once

// A design with every table full, built from the standard catalog, for the
// benchmarks of the recalculation and the design files.

#include <string>

#include "app/new_design.h"
#include "engine/recalculate.h"
#include "model/catalog.h"
#include "model/design.h"

namespace korvane::bench {

// Fills `entries` 1..Max with the family's rows, cycling through its ids.
template <typename Table>
void FillFrom(Catalog& catalog, Table& entries, const char* family, double number) {
    int id = 1;
    for (std::size_t i = 1; i < entries.size(); ++i) {
        if (IsEmptyEntry(catalog.LookupComponent(family, id))) {
            id = 1;
        }
        entries[i] = catalog.LookupComponent(family, id++);
        entries[i].NUMBER = number;
    }
}

// Every table filled, as an editor leaves them, before any recalculation of the
// filled tables.
inline Design FilledDesign(Catalog& catalog) {
    Design design;
    NewDesign(design, catalog);
    design.SetShipName("Benchmark Heavy Cruiser of the Line");
    design.Slots[Slot::Hull].KL = 1350 * 50;
    design.Slots[Slot::PowerPlant] = catalog.LookupComponent("PP", 5);
    design.Slots[Slot::PowerPlant].KL = 2000;
    design.Slots[Slot::JumpDrive].USP = "3";
    design.Slots[Slot::ManeuverDrive].USP = "4";
    design.Slots[Slot::FuelScoops].NUMBER = 1;
    design.Slots[Slot::Purifiers] = catalog.LookupComponent("PU", 1);
    design.Slots[Slot::Purifiers].NUMBER = 1;
    design.Slots[Slot::EmMask].NUMBER = 1;
    design.Slots[Slot::SpinalMount] = catalog.LookupComponent("SP", 1);
    design.Slots[Slot::SpinalMount].NUMBER = 1;
    design.Slots[Slot::Magazine].MISCNUM[1] = 2;
    design.Slots[Slot::BackupComputer] = catalog.LookupComponent("CO", 3);
    design.Slots[Slot::LaunchTube].NUMBER = 1;
    design.Slots[Slot::LaunchTube].MISCNUM[1] = 50;
    design.Slots[Slot::AuxiliaryBridge].NUMBER = 1;
    FillFrom(catalog, design.Sensors, "SA", 2);
    FillFrom(catalog, design.Communicators, "CM", 1);
    FillFrom(catalog, design.Turrets, "TR", 4);
    for (int i = 1; i <= kTurretsMax; ++i) {
        design.Turrets[i].MISCSTR[2] = "2";
    }
    FillFrom(catalog, design.Bays, "BY", 1);
    FillFrom(catalog, design.Screens, "SC", 1);
    FillFrom(catalog, design.Accommodations, "AC", 3);
    FillFrom(catalog, design.Craft, "CR", 1);
    FillFrom(catalog, design.AntiHijack, "AH", 1);
    for (int i = 1; i <= kCustomFeaturesMax; ++i) {
        ComponentRecord& feature = design.CustomFeatures[i];
        feature.LABEL = "Observation lounge " + std::to_string(i);
        feature.MISCSTR[1] = "with a vi";
        feature.MISCSTR[2] = "ew of the ";
        feature.MISCSTR[3] = "stars";
        feature.NUMBER = 1;
        feature.KL = 27;
        feature.TONS = 2;
        feature.CR = 250000;
        feature.MW = 0.1;
    }
    return design;
}

// The filled design with its settled figures.
inline Design FullDesign(Catalog& catalog) {
    Design design = FilledDesign(catalog);
    Recalculate(design, catalog);
    return design;
}

}  // namespace korvane::bench
