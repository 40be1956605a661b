#pragma once

#include "model/design.h"

namespace korvane::engine {

// Weapons per turret: 2 when the label says "Double" or "Dual", 3 for
// "Triple" (tested in that order, case-sensitive), else 1.
double WeaponsPerTurret(const ComponentRecord& turret);

// Section 5: turrets, bays, spinal mount, weapon tallies, hardpoints used, magazine.
void RecalculateWeapons(Design& design);

// Section 6: screens.
void RecalculateScreens(Design& design);

}  // namespace korvane::engine
