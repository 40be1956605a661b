#include "engine/totals.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/block_support.h"

namespace korvane::engine {

namespace {

constexpr std::string_view kMiscNumNames[] = {"MISCNUM0", "MISCNUM1", "MISCNUM2", "MISCNUM3",
                                              "MISCNUM4", "MISCNUM5", "MISCNUM6", "MISCNUM7",
                                              "MISCNUM8", "MISCNUM9", "MISCNUM10"};

// Replaces a value that is infinite or not a number by 0 and names it as a
// problem: "what index field", such as "slot 20 CR".
[[gnu::noinline]] void ReplaceBadFigure(double& value, BlockProblems& problems,
                                        std::string_view what, int index, std::string_view field) {
    value = 0;
    std::string name(what);
    if (index >= 0) {
        name += " " + std::to_string(index);
    }
    if (!field.empty()) {
        name += " " + std::string(field);
    }
    problems.Add("A figure is out of range and was set to 0: " + name);
}

// Runs on every figure of every pass: the check stays inline, the naming out of the way.
inline void Guard(double& value, BlockProblems& problems, std::string_view what, int index = -1,
                  std::string_view field = {}) {
    if (!std::isfinite(value)) [[unlikely]] {
        ReplaceBadFigure(value, problems, what, index, field);
    }
}

// Whether every figure of a record is finite, asked of all at once: the guard
// runs twice a pass over every slot, and naming a figure is seldom needed. A
// figure is infinite or not a number when its exponent bits are all ones, and
// then adding one to its exponent carries into the sign bit.
bool AllFinite(const ComponentRecord& record) {
    constexpr std::uint64_t kExponent = 0x7ff0000000000000;
    constexpr std::uint64_t kExponentOne = 0x0010000000000000;
    std::uint64_t carries = 0;
    const auto add = [&carries](double value) {
        carries |= (std::bit_cast<std::uint64_t>(value) & kExponent) + kExponentOne;
    };
    for (double value : {record.NUMBER, record.KL, record.TONS, record.CR, record.MW}) {
        add(value);
    }
    for (double value : record.MISCNUM) {
        add(value);
    }
    return (carries >> 63) == 0;
}

void GuardRecord(ComponentRecord& record, BlockProblems& problems, std::string_view what,
                 int index = -1) {
    if (AllFinite(record)) [[likely]] {
        return;
    }
    Guard(record.NUMBER, problems, what, index, "NUMBER");
    Guard(record.KL, problems, what, index, "KL");
    Guard(record.TONS, problems, what, index, "TONS");
    Guard(record.CR, problems, what, index, "CR");
    Guard(record.MW, problems, what, index, "MW");
    for (std::size_t k = 0; k < record.MISCNUM.size(); ++k) {
        Guard(record.MISCNUM[k], problems, what, index, kMiscNumNames[k]);
    }
}

// No figure of the design may be infinite or not a number, whatever the input
// (a huge volume read from a file, a catalog row out of range).
void GuardFigures(Design& design, BlockProblems& problems) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        GuardRecord(design.Slots.ByNumber(slot), problems, "slot", slot);
    }
    GuardRecord(design.DesignRecord, problems, "design record");
    GuardRecord(design.CapacityRecord, problems, "capacity record");
    for (int i = 1; i <= kEnvironmentMax; ++i) {
        Guard(design.Environment[i].NUMBER, problems, "environment entry", i, "NUMBER");
    }
    for (int i = 1; i <= kTurretsMax; ++i) {
        Guard(design.Turrets[i].MISCNUM[3], problems, "turret entry", i, "MISCNUM3");
    }
    for (int area = 1; area <= 8; ++area) {
        Guard(design.ControlPoints[area], problems, "control points of area", area);
    }
    Guard(design.ControlTotal, problems, "control total");
    Guard(design.ControlRemaining, problems, "control remaining");
    for (auto& row : design.WeaponFactors) {
        for (double& factor : row) {
            Guard(factor, problems, "weapon factor");
        }
    }
    for (auto& row : design.WeaponCounts) {
        for (double& count : row) {
            Guard(count, problems, "weapon count");
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
    for (int number = 1; number <= kSlotCount; ++number) {
        const auto slot = static_cast<Slot>(number);
        const ComponentRecord& record = slots[slot];
        if (!CountsInTotals(slot, record)) {
            continue;
        }
        if (CountsInUsedVolume(slot)) {
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
    slots[Slot::ManeuverDrive].MISCNUM[1] = Int(agility);

    // Defence modifier: computer bonus + agility, adjusted by displacement.
    double modifier = slots[Slot::MainComputer].MISCNUM[2] + slots[Slot::ManeuverDrive].MISCNUM[1];
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
    slots[Slot::EmMask].MISCNUM[1] = modifier;

    GuardFigures(design, problems);
}

}  // namespace korvane::engine
