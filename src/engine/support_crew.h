#pragma once

#include "model/catalog.h"
#include "model/design.h"

namespace korvane::engine {

// Section 8: accommodation, environment, anti-hijack, custom
// features, auxiliary bridge.
void RecalculateFeatures(Design& design);

// Section 9: subordinate craft and launch tube.
void RecalculateCraft(Design& design);
// The launch tubes (slot 26) while fitted: 25 displacement tons of volume for
// each ton of the largest craft they launch, at Cr 150 a kl; none otherwise.
void SizeLaunchTube(ComponentRecord& tube);

// How the control block sizes the panels, whose own cost counts in the
// control total that sizes them.
enum class PanelSizing {
    FromPreviousRun,  // one step from the cost the previous run left
    Settled,          // the count whose cost gives that count again, where there is one
};

// Always: control points per area and the control panels.
void RecalculateControl(Design& design, Catalog& catalog, PanelSizing sizing);

// Section 8: the default crew of the thirteen categories.
void RecalculateCrew(Design& design);

}  // namespace korvane::engine
