#pragma once

#include "model/catalog.h"
#include "model/design.h"
#include "model/design_changes.h"

namespace korvane {

// Most passes of a whole recalculation (see Recalculate).
inline constexpr int kMaxSettlingPasses = 20;

// Turns the design tables into the computed slot fields and totals, and
// returns the number of passes it ran.
//
// One pass runs the blocks in order; a block reads what the previous pass left
// in later blocks' fields (UsedMW, the bridge crew text, the panel cost), so one
// pass alone does not give a design's figures. The recalculation therefore repeats the
// pass until a pass leaves the whole design exactly as it found it (every
// record, table entry and working value, doubles bit for bit), at most
// kMaxSettlingPasses times: the same design always gives the same figures, and
// on a settled design it is one pass that changes nothing. Within each pass the
// control block solves the one loop that would otherwise close in over many
// passes (the panels are sized by a control total that holds their own cost),
// and the two blocks that read a figure found later in the pass (the
// auxiliary bridge follows the bridge crew, the endurance the power used) run
// again at its end, so one pass finds a design's figures and a second finds
// nothing changed; a panel row whose loop does not close is left to the passes
// and named among the problems if it never settles.
// This is the only recalculation outside the engine: a single section's pass
// (engine/plain_passes.h) would leave the figures of the others stale.
//
// Each pass ends with CheckDesignLimits, so Design::Problems and DesignValid
// describe the design. Each block keeps its own list in Design::BlockProblems
// and replaces it whenever it runs, so the list always describes the figures
// the block last computed, also after partial runs. CheckDesignLimits joins
// those lists (in block order, without repeats) and the limit breaks (volume,
// power, hardpoints) into Design::Problems; any problem makes the design invalid.
int Recalculate(Design& design, Catalog& catalog);

// How a whole recalculation ended.
struct Settling {
    int passes = 0;
    bool settled = false;  // its last pass changed nothing
};

// The whole recalculation after a change, for the design document: the design
// settles on the same figures as by Recalculate. `before` is the design as it
// was before the change and `beforeSettled` whether that design was settled;
// `before` ends equal to the design, and `changes` keeps each part that
// differed from it as it was. Starting from the design before the change
// spares the copy of the design that Recalculate starts from, and the
// comparisons that settle the design also find what the change touched.
Settling RecalculateChange(Design& design, Catalog& catalog, Design& before, bool beforeSettled,
                           DesignChanges& changes);

}  // namespace korvane
