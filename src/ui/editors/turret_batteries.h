#pragma once

#include <vector>

#include "model/component_record.h"

namespace korvane::ui {

// The factors a turret row has (engine::TurretHasFactor), from the lowest.
std::vector<int> AvailableTurretFactors(const ComponentRecord& turret);

// "MaxFactor": the most batteries the entry's weapons (weapons per turret ×
// NUMBER) form at `factor`. Where they form none, the next lower factor is
// tried, down to factor 1; factors the row does not have are passed over, so
// a threshold of 0 never divides. 0 when no factor forms a battery.
double MaxBatteries(const ComponentRecord& turret, int factor);

}  // namespace korvane::ui
