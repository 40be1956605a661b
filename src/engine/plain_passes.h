#pragma once

#include "model/catalog.h"
#include "model/design.h"

namespace korvane::engine {

// The whole recalculation without solving the panels' loop: the plain pass,
// the panels sized from the cost the previous pass left, repeated until it
// changes nothing (at most kMaxSettlingPasses times); returns the passes run.
// It takes more passes to the figures Recalculate settles on; the engine's
// tests hold the two to the same figures.
int RecalculateByPlainPasses(Design& design, Catalog& catalog);

}  // namespace korvane::engine
