#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/breakdown.h"

namespace korvane::ui {

// One section's part of a bar: drawn in the section's colour and pattern
// (the same in every window), with its tooltip.
struct ChartSegment {
    BreakdownSection section = BreakdownSection::Other;
    double value = 0;     // in the bar's unit
    std::string tooltip;  // "Weapons: 1,234 KL (12.5%)"
};

// One quantity as a horizontal bar of its sections.
struct ChartBar {
    std::string caption;  // "Volume: 12,345 KL"
    // The sections above 0, in section order; the bar's length is their sum.
    std::vector<ChartSegment> segments;
};

// The breakdown drawn as three bars: volume, power and cost.
struct BreakdownChart {
    std::array<ChartBar, std::size(kBreakdownQuantities)> bars;
};

BreakdownChart ChartOf(const Breakdown& breakdown);

// The section's short name, written on its segment where the segment is wide
// enough: "Hull", "Plant", "Drives" …
std::string_view ShortSectionName(BreakdownSection section);

}  // namespace korvane::ui
