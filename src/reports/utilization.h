#pragma once

#include <string>

#include "model/design.h"

namespace korvane {

// The utilization message of the totals window's "%" button, lines
// separated by carriage return + line feed:
//   "Utilization", an empty line, then "Volume: ", "Power: ", "Hardpoints: "
//   with the share used as "###.#" and "% used", each line ending in a line break.
// Power without plant output and hardpoints without hardpoints read "n/a"; so
// does the volume of a hull of volume 0 or less (no division by 0).
std::string UtilizationMessage(const Design& design);

}  // namespace korvane
