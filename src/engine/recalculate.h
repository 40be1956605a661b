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

// Most passes of a whole recalculation (see Recalculate).
inline constexpr int kMaxSettlingPasses = 20;

// Turns the design tables into the computed slot fields and totals, and
// returns the number of passes it ran.
//
// One pass runs the blocks in order; a block reads what the previous pass left
// in later blocks' fields (UsedMW, the bridge crew text, the panel cost), so one
// pass alone does not give a design's figures. Section All therefore repeats the
// pass until a pass leaves the whole design exactly as it found it (every
// record, table entry and working value, doubles bit for bit), at most
// kMaxSettlingPasses times: the same design always gives the same figures, and
// on a settled design it is one pass that changes nothing. Within each pass the
// control block solves the one loop that would otherwise close in over many
// passes (the panels are sized by a control total that holds their own cost),
// so a design settles in a few passes; a panel row whose loop does not close
// is left to the passes and named among the problems if it never settles.
// Any other section is one pass of its own blocks plus the always-run ones
// (control and totals, the panels sized from the cost the previous run left),
// which keeps the other sections' figures as they were.
//
// Each pass ends with CheckDesignLimits, so Design::Problems and DesignValid
// describe the design. Each block keeps its own list in Design::BlockProblems
// and replaces it whenever it runs, so the list always describes the figures
// the block last computed, also after partial runs. CheckDesignLimits joins
// those lists (in block order, without repeats) and the limit breaks (volume,
// power, hardpoints) into Design::Problems; any problem makes the design invalid.
int Recalculate(Design& design, Catalog& catalog, RecalcSection section);

}  // namespace korvane
