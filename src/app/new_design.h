#pragma once

#include "model/catalog.h"
#include "model/design.h"

namespace korvane {

// Sets up the default new design on a design fresh from start-up: a 100-ton
// streamlined hull with the default armour, computer, panels and environment,
// recalculated once and marked as saved. A catalog row that is missing leaves
// its slot blank.
void NewDesign(Design& design, Catalog& catalog);

}  // namespace korvane
