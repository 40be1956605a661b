#pragma once

#include "model/design.h"

namespace korvane::engine {

// Always: the design totals over slots 1–40, agility and the
// defence modifier; then the guard that no figure is left infinite or not a number.
void RecalculateTotals(Design& design);

}  // namespace korvane::engine
