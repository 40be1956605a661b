#pragma once

#include <string>

#include "model/design.h"

namespace korvane {

// The "List features" text: for each of the 40 slots its name and number, then
// volume, displacement, mass, power, cost, USP and deck plan squares, eight
// lines in all. Windows-1252 bytes, lines ending CRLF.
std::string FeatureList(const Design& design);

}  // namespace korvane
