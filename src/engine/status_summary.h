#pragma once

#include <string>
#include <vector>

#include "model/design.h"

namespace korvane {

// Colours of the totals window (colour values as RGB in one number: 255 red, 65280 green).
inline constexpr int kColourBlack = 0;
inline constexpr int kColourRed = 255;
inline constexpr int kColourGreen = 65280;

// The captions and colours of the totals window after a status summary.
// Texts are Windows-1252 bytes like the design's text fields (a
// NUL of a never-set field is written as a blank); multi-line captions use
// carriage return + line feed. The view converts them at the edge.
struct StatusSummary {
    std::string ship_name;  // ship name and type
    std::string volume;     // "KL: hull" CRLF "KL: used" CRLF
    std::string power;
    std::string hardpoints;
    std::string displacement;
    std::string tech_level;
    std::string mass;
    std::string cost;  // in MCr
    std::string agility;
    std::string cargo;
    int volume_colour = kColourBlack;  // red while a limit is broken
    int power_colour = kColourBlack;
    int hardpoints_colour = kColourBlack;
    int lamp_colour = kColourGreen;  // the validity lamp
    std::string changed_mark;        // "Changed" / "Saved"
    int changed_mark_colour = kColourGreen;
    std::vector<std::string> problems;  // the same list as Design::Problems
};

// Writes the status summary: sets DesignValid (1 only when volume, power and
// hardpoints are within their limits and no block of the recalculation found
// a problem) and rebuilds Design::Problems from the blocks' lists plus the
// limit breaks. Safe to call any number of times.
StatusSummary ShowStatusSummary(Design& design);

// What the status summary decides about the design, without its captions:
// DesignValid and Design::Problems. The recalculation ends with this.
void CheckDesignLimits(Design& design);

// The changed mark: "Changed" in red while DesignChanged, "Saved" in green otherwise.
struct ChangedMark {
    std::string caption;
    int colour = kColourGreen;
};
ChangedMark ChangedMarkOf(const Design& design);

// Sets / clears DesignChanged (shown as the changed mark).
void MarkChanged(Design& design);
void MarkSaved(Design& design);

}  // namespace korvane
