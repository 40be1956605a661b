#pragma once

#include "model/design.h"

namespace korvane::engine {

// Section 3: jump drive and jump fuel, maneuver drive, scoops, purifiers.
void RecalculateDrives(Design& design);

}  // namespace korvane::engine
