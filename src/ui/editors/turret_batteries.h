#pragma once

#include <vector>

#include "model/component_record.h"

namespace korvane::ui {

inline constexpr int kHighestTurretFactor = 10;

// Whether a turret row offers `factor` (1–10): its threshold MISCNUM factor,
// the weapons one battery of that factor needs, lies above 0 and below 9999.
bool TurretFactorAvailable(const ComponentRecord& turret, int factor);

// The factors a turret row offers, from the lowest.
std::vector<int> AvailableTurretFactors(const ComponentRecord& turret);

// "MaxFactor": the most batteries the entry's weapons (weapons per turret ×
// NUMBER) form at `factor`. Where they form none, the next lower factor is
// tried, down to factor 1; factors the row does not offer are passed over, so
// a threshold of 0 never divides. 0 when no factor forms a battery.
double MaxBatteries(const ComponentRecord& turret, int factor);

}  // namespace korvane::ui
