#pragma once

// Designs drawn at random from the standard catalog, recalculated: every table
// partly filled with random rows and counts, random hull, plant and drives.

#include <random>

#include "model/catalog.h"
#include "model/design.h"

namespace korvane::testing {

Design RandomDesign(Catalog& catalog, std::mt19937& random);

// The same design with each item table's entries in the opposite order over
// the places they take (entry 1 to the last one used), so that every entry
// still counts where it counted before. The sensors, bays and screens keep
// their order, which the profile reads: the last passive EMS sets the sensor
// range, the last bay of a weapon type the type's factor, the first screen of a
// kind its letter.
Design WithEntriesReversed(Design design);

}  // namespace korvane::testing
