#pragma once

#include <string>

#include "engine/breakdown.h"

namespace korvane {

// A figure of the breakdown with its unit: "1,234 KL", "12.3 MW", "45.67 MCr".
std::string BreakdownFigureText(BreakdownQuantity quantity, double figure);

// The figure's share of the total, "12.5%"; "n/a" when the total is not above 0.
std::string BreakdownShareText(double figure, double total);

// The breakdown as a small table, one line per section and one for the total,
// the columns KL, MW and MCr aligned; lines end in "\n".
std::string BreakdownTable(const Breakdown& breakdown);

}  // namespace korvane
