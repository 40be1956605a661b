#pragma once

#include "model/design.h"

namespace korvane::engine {

// Whether a slot's figures count in the totals: MISCNUM10 = 1 leaves a slot out;
// the purifier's MISCNUM10 is its purification time and never does.
inline bool CountsInTotals(Slot slot, const ComponentRecord& record) {
    return slot == Slot::Purifiers || record.MISCNUM[10] != 1;
}

// The hull slot's volume is the hull itself, not a use of it.
inline bool CountsInUsedVolume(Slot slot) {
    return slot != Slot::Hull;
}

// Always: the design totals over slots 1–40, agility and the
// defence modifier; then the guard that no figure is left infinite or not a number.
void RecalculateTotals(Design& design);

}  // namespace korvane::engine
