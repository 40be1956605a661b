#pragma once

#include "engine/plain_passes.h"
#include "model/catalog.h"
#include "model/design.h"

namespace korvane::engine {

// Section 1: hull volume, mass and cost, hardpoints, size code,
// configuration, armour. `section` is the section Recalculate was called with:
// the size code is re-derived only for section All or a size code of one blank.
void RecalculateHull(Design& design, Catalog& catalog, RecalcSection section);

// How many times its output per kl a plant of `size` kl burning fuel of
// `fuelType` (its MISCNUM2) gives: hydrogen plants give more from 6 kl up,
// though not between the steps (above 9 and below 10, above 13 and below 14),
// plutonium plants above 50 kl.
double PlantOutputFactor(double fuelType, double size);
// No plant larger than this changes its factor with its size.
inline constexpr double kLastPlantOutputStep = 50;

// Section 2: power plant, output bonus, plant fuel, endurance.
void RecalculatePower(Design& design);

}  // namespace korvane::engine
