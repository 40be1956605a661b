#pragma once

#include "engine/plain_passes.h"
#include "model/catalog.h"
#include "model/design.h"

namespace korvane::engine {

// Section 1: hull volume, mass and cost, hardpoints, size code,
// configuration, armour. `section` is the section Recalculate was called with:
// the size code is re-derived only for section All or a size code of one blank.
void RecalculateHull(Design& design, Catalog& catalog, RecalcSection section);

// Section 2: power plant, output bonus, plant fuel, endurance.
void RecalculatePower(Design& design);

}  // namespace korvane::engine
