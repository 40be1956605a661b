#pragma once

#include <string>
#include <vector>

#include "engine/design_diff.h"

namespace korvane {

// What differs between design A and design B as lines of text (Windows-1252, a
// NUL of a never-set field written as a blank): the totals, the profile codes,
// the problems of one side only, each entry that differs with its fields
// ("  NUMBER: 2 -> 3", "  KL: 27 KL -> 54 KL") and the changed sections. No
// lines when the designs are the same.
std::vector<std::string> DifferenceLines(const DesignDifferences& differences);

// An entry's heading: where it is, its catalog row, its section and the side
// that has it alone ("Turrets, TR 3 \"Triple Laser\" (Weapons), only in B:").
std::string EntryHeading(const EntryDifference& entry);

// One side of a field as text: a number in its unit, a quoted text, or "-".
std::string DiffValueText(const DiffValue& value, const std::string& unit);

}  // namespace korvane
