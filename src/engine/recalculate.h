#pragma once

#include "model/catalog.h"
#include "model/design.h"

namespace korvane {

// Sections of Recalculate.
enum RecalcSection : int {
    kRecalcAll = 0,
    kRecalcHull = 1,
    kRecalcPower = 2,
    kRecalcDrives = 3,
    kRecalcElectronics = 4,
    kRecalcWeapons = 5,
    kRecalcScreens = 6,
    kRecalcControl = 7,
    kRecalcCrew = 8,  // crew, accommodation, environment, anti-hijack, custom features
    kRecalcCraft = 9,
};

// Turns the design tables into the computed slot fields and totals. Section 0
// runs every block; any other section runs its own blocks plus the always-run
// ones (control and totals). A block reads what the previous run left in later
// blocks' fields (UsedMW, the bridge crew text, the panel cost), so a partial
// run keeps the other sections' figures as they were. Ends with
// CheckDesignLimits, so Design::Problems and DesignValid describe the design.
//
// Problems: each block keeps its own list in Design::BlockProblems and replaces
// it whenever it runs, so the list always describes the figures the block last
// computed, also after partial runs. CheckDesignLimits joins those lists (in
// block order, without repeats) and the limit breaks (volume, power,
// hardpoints) into Design::Problems; any problem makes the design invalid.
void Recalculate(Design& design, Catalog& catalog, int section);

}  // namespace korvane
