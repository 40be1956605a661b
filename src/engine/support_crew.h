#pragma once

#include "model/catalog.h"
#include "model/design.h"

namespace korvane::engine {

// Section 8: accommodation, environment, anti-hijack, custom
// features, auxiliary bridge.
void RecalculateFeatures(Design& design);

// Section 9: subordinate craft and launch tube.
void RecalculateCraft(Design& design);

// Always: control points per area and the control panels.
void RecalculateControl(Design& design, Catalog& catalog);

// Section 8: the default crew of the thirteen categories.
void RecalculateCrew(Design& design);

}  // namespace korvane::engine
