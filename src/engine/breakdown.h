#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "model/design.h"

namespace korvane {

// The parts of a design that the breakdown splits the volume, power and cost
// into. Every slot belongs to exactly one of them, so the parts add up to the
// design's totals.
enum class BreakdownSection : int {
    HullAndArmour,
    PowerPlantAndFuel,
    DrivesAndFuel,
    Electronics,
    Weapons,
    Screens,
    ControlAndComputers,
    CrewAndAccommodation,
    Craft,
    Other,
    Count
};
inline constexpr std::size_t kBreakdownSectionCount =
    static_cast<std::size_t>(BreakdownSection::Count);

// "Hull and armour", "Power plant and fuel", …
std::string_view BreakdownSectionName(BreakdownSection section);

// The section a slot's figures are counted in (slots without a section of their
// own, such as the ship type and the unnamed slots, are "Other").
BreakdownSection SectionOfSlot(int slot_number);

// Volume (kl), power (MW) and cost (credits) of one section.
struct SectionFigures {
    double KL = 0;
    double MW = 0;
    double CR = 0;
};

struct Breakdown {
    std::array<SectionFigures, kBreakdownSectionCount> sections{};
    // The design's own totals: UsedKL, UsedMW, TotalCr.
    SectionFigures total;

    const SectionFigures& operator[](BreakdownSection section) const {
        return sections[static_cast<std::size_t>(section)];
    }
};

// The three quantities of a breakdown, in the units the totals window shows.
enum class BreakdownQuantity : int { Volume, Power, Cost };
inline constexpr BreakdownQuantity kBreakdownQuantities[] = {
    BreakdownQuantity::Volume, BreakdownQuantity::Power, BreakdownQuantity::Cost};

// "KL", "MW", "MCr".
std::string_view QuantityUnit(BreakdownQuantity quantity);

// The figure in its unit: kl, MW, or MCr (credits / 1,000,000).
double FigureOf(const SectionFigures& figures, BreakdownQuantity quantity);

// The breakdown of a recalculated design: each section sums the slots that make
// it up, counting exactly what the totals count (no hull volume, no slot left
// out of the totals).
Breakdown DesignBreakdown(const Design& design);

}  // namespace korvane
