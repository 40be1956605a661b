#pragma once

#include "model/catalog.h"
#include "model/design.h"

namespace korvane {

// Sections of Recalculate: All runs every block, any other one its own blocks.
enum class RecalcSection : int {
    All = 0,
    Hull = 1,
    Power = 2,
    Drives = 3,
    Electronics = 4,
    Weapons = 5,
    Screens = 6,
    Control = 7,
    Crew = 8,  // crew, accommodation, environment, anti-hijack, custom features
    Craft = 9,
};

// Turns the design tables into the computed slot fields and totals. Section All
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
void Recalculate(Design& design, Catalog& catalog, RecalcSection section);

}  // namespace korvane
