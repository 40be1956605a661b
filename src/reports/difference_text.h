#pragma once

#include <string>
#include <vector>

#include "engine/design_diff.h"

namespace korvane {

// How much differs, in one line, as the compare window and `korvane-cli diff`
// both say it: "The designs are the same.", "The designs differ in their
// totals." or "24 entries differ in 6 sections.".
std::string DifferenceSummary(const DesignDifferences& differences);

// What differs between design A and design B as lines of text (Windows-1252,
// texts as they read): the totals, the profile codes, the problems of one side
// only, each entry that differs with its fields named in words and its figures
// rounded as the totals window rounds them ("  Number: 2 -> 3", "  Volume
// (kl): 27 -> 54"), and the changed sections. No lines when the designs are
// the same.
std::vector<std::string> DifferenceLines(const DesignDifferences& differences);

// An entry's heading: where it is, its catalog row, its section and the side
// that has it alone ("Turrets, TR 3 \"Triple Laser\" (Weapons), only in B:").
std::string EntryHeading(const EntryDifference& entry);

}  // namespace korvane
