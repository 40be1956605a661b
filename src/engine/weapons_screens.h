#pragma once

#include "model/design.h"

namespace korvane::engine {

// Section 5: turrets, bays, spinal mount, weapon tallies, hardpoints used, magazine.
void RecalculateWeapons(Design& design);

// Section 6: screens.
void RecalculateScreens(Design& design);

}  // namespace korvane::engine
