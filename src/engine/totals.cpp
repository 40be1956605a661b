#include "engine/totals.h"

#include <cmath>
#include <string>

#include "engine/block_support.h"

namespace korvane::engine {

namespace {

constexpr int kPurifierSlot = 10;

// Replaces a value that is infinite or not a number by 0 and names it as a problem.
void Guard(double& value, BlockProblems& problems, const std::string& name) {
    if (!std::isfinite(value)) {
        value = 0;
        problems.Add("A figure is out of range and was set to 0: " + name);
    }
}

void GuardRecord(ComponentRecord& record, BlockProblems& problems, const std::string& name) {
    Guard(record.NUMBER, problems, name + " NUMBER");
    Guard(record.KL, problems, name + " KL");
    Guard(record.TONS, problems, name + " TONS");
    Guard(record.CR, problems, name + " CR");
    Guard(record.MW, problems, name + " MW");
    for (std::size_t k = 0; k < record.MISCNUM.size(); ++k) {
        Guard(record.MISCNUM[k], problems, name + " MISCNUM" + std::to_string(k));
    }
}

// No figure of the design may be infinite or not a number, whatever the input
// (a huge volume read from a file, a catalog row out of range).
void GuardFigures(Design& design, BlockProblems& problems) {
    for (std::size_t slot = 1; slot <= kSlotCount; ++slot) {
        GuardRecord(design.Slots[slot], problems, "slot " + std::to_string(slot));
    }
    GuardRecord(design.DesignRecord, problems, "design record");
    GuardRecord(design.CapacityRecord, problems, "capacity record");
    for (std::size_t i = 1; i <= kEnvironmentMax; ++i) {
        Guard(design.Environment[i].NUMBER, problems,
              "environment entry " + std::to_string(i) + " NUMBER");
    }
    for (std::size_t i = 1; i <= kTurretsMax; ++i) {
        Guard(design.Turrets[i].MISCNUM[3], problems,
              "turret entry " + std::to_string(i) + " MISCNUM3");
    }
    for (std::size_t area = 1; area <= 8; ++area) {
        Guard(design.ControlPoints[area], problems,
              "control points of area " + std::to_string(area));
    }
    Guard(design.ControlTotal, problems, "control total");
    Guard(design.ControlRemaining, problems, "control remaining");
    for (std::size_t t = 0; t <= 12; ++t) {
        for (std::size_t m = 0; m <= 3; ++m) {
            Guard(design.WeaponFactors[t][m], problems, "weapon factor");
            Guard(design.WeaponCounts[t][m], problems, "weapon count");
        }
    }
}

}  // namespace

void RecalculateTotals(Design& design) {
    BlockProblems problems(design, ProblemSource::Totals);
    auto& slots = design.Slots;
    GuardFigures(design, problems);  // before summing, so one bad figure does not spoil the totals

    design.UsedKL() = 0;
    design.TotalTons() = 0;
    design.UsedMW() = 0;
    design.TotalCr() = 0;
    for (std::size_t slot = 1; slot <= kSlotCount; ++slot) {
        const ComponentRecord& record = slots[slot];
        // MISCNUM10 = 1 leaves a slot out; the purifier's MISCNUM10 is its purification time.
        if (slot != kPurifierSlot && record.MISCNUM[10] == 1) {
            continue;
        }
        if (slot != 1) {
            design.UsedKL() += record.KL;
        }
        design.TotalTons() += record.TONS;
        design.UsedMW() += record.MW;
        design.TotalCr() += record.CR;
    }

    // Agility 0–6.
    double agility = problems.Divide(design.AvailableMW() - design.UsedMW(), design.TotalTons(),
                                     "Total mass is 0") *
                     5.4;
    if (agility < 1) {
        agility = 0;
    }
    if (agility > 6) {
        agility = 6;
    }
    slots[8].MISCNUM[1] = Int(agility);

    // Defence modifier: computer bonus + agility, adjusted by displacement.
    double modifier = slots[19].MISCNUM[2] + slots[8].MISCNUM[1];
    const double d = design.HullKL() / kKlPerTon;
    if (d < 100) {
        modifier += 2;
    } else if (d >= 100 && d <= 999) {
        modifier += 1;
    } else if (d >= 10000 && d <= 99999) {
        modifier -= 1;
    } else if (d >= 100000) {
        modifier -= 2;
    }
    slots[14].MISCNUM[1] = modifier;

    GuardFigures(design, problems);
}

}  // namespace korvane::engine
