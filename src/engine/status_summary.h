#pragma once

#include <string>
#include <vector>

#include "model/design.h"

namespace korvane {

// Colours of the totals window (colour values as RGB in one number: 255 red, 65280 green).
inline constexpr int kColourBlack = 0;
inline constexpr int kColourRed = 255;
inline constexpr int kColourGreen = 65280;

// The captions and colours of the totals window FORMH after a status summary
//. Texts are Windows-1252 bytes like the design's text fields (a
// NUL of a never-set field is written as a blank); multi-line captions use
// carriage return + line feed. The view converts them at the edge.
struct StatusSummary {
    std::string Label1;               // ship name and type
    std::string Label3;               // volume: "KL: hull" CRLF "KL: used" CRLF
    std::string Label4;               // power
    std::string Label5;               // hardpoints
    std::string Label6;               // displacement
    std::string Label7;               // tech level
    std::string Label8;               // mass
    std::string Label9;               // cost in MCr
    std::string Label10;              // agility
    std::string Label11;              // cargo
    int Label3Colour = kColourBlack;  // red while a limit is broken
    int Label4Colour = kColourBlack;
    int Label5Colour = kColourBlack;
    int Shape1Colour = kColourGreen;  // the validity lamp
    std::string Label12;              // "Changed" / "Saved"
    int Label12Colour = kColourGreen;
    std::vector<std::string> Problems;  // the same list as Design::Problems
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
