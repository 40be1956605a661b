#pragma once

#include "model/design.h"

namespace korvane::engine {

// Weapons per turret: 2 when the label says "Double" or "Dual", 3 for
// "Triple" (tested in that order, case-sensitive), else 1.
double WeaponsPerTurret(const ComponentRecord& turret);

inline constexpr int kHighestTurretFactor = 10;

// Whether a turret row has `factor` (1–10) at all: its threshold MISCNUM
// factor, the weapons one battery of that factor needs, lies above 0 and
// below 9999 (0 and 9999 or more mark a factor the row does not have).
bool TurretHasFactor(const ComponentRecord& turret, int factor);

// Section 5: turrets, bays, spinal mount, weapon tallies, hardpoints used, magazine.
void RecalculateWeapons(Design& design);

// Section 6: screens.
void RecalculateScreens(Design& design);

}  // namespace korvane::engine
