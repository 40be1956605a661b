#pragma once

#include <optional>

#include "model/catalog.h"
#include "model/design.h"

namespace korvane {

// The largest plant, in kl, that SmallestSufficientPlantSize tries.
inline constexpr double kLargestPlantTried = 1e8;

// The smallest size, a whole number of tenths of a kl, at which the design's
// power plant gives the power the design uses once the design is wholly
// recalculated with the plant at that size: the plant's own size changes the
// power used (the drives move its mass, the environment serves the volume it
// leaves), and its output per kl steps with its size. None when no size up to
// kLargestPlantTried does. Only copies of `design` are recalculated.
std::optional<double> SmallestSufficientPlantSize(const Design& design, Catalog& catalog);

}  // namespace korvane
