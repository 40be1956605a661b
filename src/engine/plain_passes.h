#pragma once

#include "model/catalog.h"
#include "model/design.h"

namespace korvane {

// Sections of a single pass: All runs every block, any other one its own blocks.
enum class RecalcSection : int {
    All = 0,
    Hull = 1,
    Power = 2,
    Drives = 3,
    Electronics = 4,
    Weapons = 5,
    Screens = 6,
    Control = 7,
    Crew = 8,  // crew, accommodation, environment, anti-hijack, custom features
    Craft = 9,
};

namespace engine {

// One pass of a section's own blocks plus the always-run ones (control and
// totals, the panels sized from the cost the previous run left), which keeps
// the other sections' figures as they were; returns 1. Section All is the
// whole, settled Recalculate. Only the engine and its tests run a single
// section: it leaves the figures of the other sections stale.
int RecalculateSection(Design& design, Catalog& catalog, RecalcSection section);

// The whole recalculation without solving the panels' loop: the plain pass,
// the panels sized from the cost the previous pass left, repeated until it
// changes nothing (at most kMaxSettlingPasses times); returns the passes run.
// It takes more passes to the figures Recalculate settles on; the engine's
// tests hold the two to the same figures.
int RecalculateByPlainPasses(Design& design, Catalog& catalog);

}  // namespace engine

}  // namespace korvane
