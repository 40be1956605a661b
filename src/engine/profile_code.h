#pragma once

#include <string>

#include "model/design.h"

namespace korvane {

// The 22-character ship profile code of a design after a
// recalculation, built on "0000000-000000-00000-0". A never-set field (NUL)
// leaves the template's "0".
std::string BuildProfileCode(const Design& design);

}  // namespace korvane
