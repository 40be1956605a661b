#pragma once

#include <string>
#include <vector>

#include "model/design.h"

namespace korvane {

// What the status summary tells about a design: its figures, which limits
// are broken, whether it is valid and changed, and its problems. The windows
// and reports turn these facts into their captions and colours.
struct StatusSummary {
    std::string ship_name;  // the stored name: Windows-1252 bytes, NULs of a never-set field kept
    std::string ship_type;  // the ship type's label, trimmed
    double tech_level = 0;
    double hull_kl = 0;
    double used_kl = 0;
    double available_mw = 0;
    double used_mw = 0;
    double hardpoints = 0;
    double used_hardpoints = 0;
    double total_tons = 0;
    double total_cr = 0;
    double agility = 0;
    bool volume_over = false;  // each limit that is broken
    bool power_over = false;
    bool hardpoints_over = false;
    bool valid = true;
    bool changed = false;
    std::vector<std::string> problems;  // the same list as Design::Problems
};

// The status summary: sets DesignValid (1 only when volume, power and
// hardpoints are within their limits and no block of the recalculation found
// a problem) and rebuilds Design::Problems from the blocks' lists plus the
// limit breaks. Safe to call any number of times.
StatusSummary ShowStatusSummary(Design& design);

// What the status summary tells, read from the design as it stands: its
// problems and validity are what CheckDesignLimits would settle.
StatusSummary SummaryOf(const Design& design);

// The design's full problem list: each block's (in block order, no repeats),
// then the broken limits.
std::vector<std::string> DesignProblems(const Design& design);

// What the status summary decides about the design, without its captions:
// DesignValid and Design::Problems. The recalculation ends with this.
void CheckDesignLimits(Design& design);

// Sets / clears DesignChanged (shown as the changed mark).
void MarkChanged(Design& design);
void MarkSaved(Design& design);

}  // namespace korvane
