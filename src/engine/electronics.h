#pragma once

#include "model/design.h"

namespace korvane::engine {

// Section 4: sensors and the six sensor profile letters,
// communicators, EM masking, avionics.
void RecalculateElectronics(Design& design);

}  // namespace korvane::engine
