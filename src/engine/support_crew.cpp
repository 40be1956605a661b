#include "engine/support_crew.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>

#include "engine/block_support.h"
#include "engine/digit_codes.h"
#include "model/number_format.h"

namespace korvane::engine {

namespace {

// Adds KL × N to both KL and TONS (the entry's volume, not its mass), MW × N and CR × N.
void AddVolumeAsMass(ComponentRecord& slot, const ComponentRecord& entry) {
    slot.KL += entry.KL * entry.NUMBER;
    slot.TONS += entry.KL * entry.NUMBER;
    slot.MW += entry.MW * entry.NUMBER;
    slot.CR += entry.CR * entry.NUMBER;
}

constexpr const char* kNoMainComputer = "No main computer";
constexpr const char* kNoControlPanel = "No control panel";
constexpr const char* kCrewWithoutComputer = "Default crew was computed without a main computer";
constexpr const char* kPanelsDoNotSettle = "Control panels do not settle";
constexpr const char* kPanelsOutgrowTheirControl =
    "Control panels do not settle: each panel's cost needs as much control as the panel provides";

// Sets the control points of each area, their total and what remains of it
// from the slots' costs as they stand, the panels' own cost included, and
// returns the panels' count.
double SizeControl(Design& design, BlockProblems& problems) {
    auto& slots = design.Slots;
    static const std::array<std::initializer_list<Slot>, 9> kAreaSlots = {{
        {},
        {Slot::Configuration, Slot::Hull, Slot::Armour},
        {Slot::PowerPlant},
        {Slot::ManeuverDrive, Slot::JumpDrive, Slot::FuelScoops, Slot::Purifiers},
        {Slot::Communicators},
        {Slot::EmMask, Slot::Sensors},
        {Slot::SpinalMount, Slot::Weapons},
        {Slot::Screens},
        {Slot::BackupComputer, Slot::MainComputer, Slot::Panels, Slot::PanelAddOns,
         Slot::Accommodation, Slot::LaunchTube, Slot::SubordinateCraft, Slot::Environment,
         Slot::AntiHijack},
    }};

    design.ControlTotal = 0;
    for (std::size_t area = 1; area <= 8; ++area) {
        double cost = 0;
        for (Slot slot : kAreaSlots[area]) {
            cost += slots[slot].CR;
        }
        design.ControlPoints[area] = cost / 100000 * design.DesignTL();
        design.ControlTotal += design.ControlPoints[area];
    }

    const ComponentRecord& addOns = slots[Slot::PanelAddOns];
    design.ControlRemaining = design.ControlTotal - addOns.MISCNUM[1] * 50 -
                              addOns.MISCNUM[2] * 1500 - addOns.MISCNUM[3] * 200;
    design.ControlRemaining = problems.Divide(
        design.ControlRemaining, slots[Slot::MainComputer].MISCNUM[1], kNoMainComputer);
    return problems.Divide(design.ControlRemaining, slots[Slot::Panels].MISCNUM[1],
                           kNoControlPanel);
}

// The control one panel's cost adds per point of control a panel provides:
// the gain of the loop from the panels' count through their cost in the
// control total back to the count. Without a computer or a panel row the count
// is 0 whatever the cost, and the gain 0.
double PanelCostGain(const Design& design, const ComponentRecord& row) {
    const double C = design.Slots[Slot::MainComputer].MISCNUM[1];
    const double perPanel = design.Slots[Slot::Panels].MISCNUM[1];
    if (C == 0 || perPanel == 0) {
        return 0;
    }
    return row.CR / 100000 * design.DesignTL() / C / perPanel;
}

// The panels' count that their own cost gives again. Sized from the cost the
// previous run left, the count only closes in on it run by run; but it is
// linear in that cost, count = count without panels + gain × count, so it is
// solved directly, then sized from the solution's cost until the sizing gives
// back the cost it was given, bit for bit. Nothing when the loop does not close
// (a gain of 1 or more, or no such cost within a few steps).
std::optional<double> SettledPanelCount(Design& design, BlockProblems& problems,
                                        const ComponentRecord& row) {
    constexpr int kMaxSteps = 8;
    const double gain = PanelCostGain(design, row);
    if (!(std::abs(gain) < 1)) {
        return std::nullopt;
    }
    ComponentRecord& panels = design.Slots[Slot::Panels];
    panels.CR = 0;
    double cost = row.CR * (SizeControl(design, problems) / (1 - gain));
    for (int step = 0; step < kMaxSteps; ++step) {
        panels.CR = cost;
        const double count = SizeControl(design, problems);
        if (row.CR * count == cost) {
            return count;
        }
        cost = row.CR * count;
    }
    return std::nullopt;
}

}  // namespace

void RecalculateFeatures(Design& design) {
    [[maybe_unused]] BlockProblems problems(design, ProblemSource::Features);
    auto& slots = design.Slots;

    // Accommodation.
    ClearSlot(design, Slot::Accommodation);
    for (std::size_t i = 1; i <= kAccommodationsMax; ++i) {
        if (Counts(design.Accommodations[i])) {
            AddVolumeAsMass(slots[Slot::Accommodation], design.Accommodations[i]);
        }
    }

    // Environment: a fitted per-kl item serves the volume left by plant, fuel,
    // drives and spinal mount; without such volume it keeps its NUMBER and adds nothing.
    ClearSlot(design, Slot::Environment);
    const double served =
        design.HullKL() -
        (slots[Slot::PlantFuel].KL + slots[Slot::PowerPlant].KL + slots[Slot::JumpDrive].KL +
         slots[Slot::JumpFuel].KL + slots[Slot::ManeuverDrive].KL + slots[Slot::SpinalMount].KL);
    for (std::size_t i = 1; i <= kEnvironmentMax; ++i) {
        ComponentRecord& item = design.Environment[i];
        if (!Counts(item)) {
            continue;
        }
        if (item.MISCNUM[2] == 1) {
            if (!(served > 0)) {
                continue;
            }
            item.NUMBER = served;
        }
        AddScaled(slots[Slot::Environment], item, 1);
    }

    // Anti-hijack (entries 1–10 only) and custom features.
    ClearSlot(design, Slot::AntiHijack);
    for (std::size_t i = 1; i <= kAntiHijackCounted; ++i) {
        if (Counts(design.AntiHijack[i])) {
            AddVolumeAsMass(slots[Slot::AntiHijack], design.AntiHijack[i]);
        }
    }
    ClearSlot(design, Slot::CustomFeatures);
    for (std::size_t i = 1; i <= kCustomFeaturesMax; ++i) {
        if (Counts(design.CustomFeatures[i])) {
            AddVolumeAsMass(slots[Slot::CustomFeatures], design.CustomFeatures[i]);
        }
    }

    // Auxiliary bridge, sized by the bridge crew of the previous run.
    ComponentRecord& auxBridge = slots[Slot::AuxiliaryBridge];
    if (auxBridge.NUMBER != 1) {
        auxBridge.KL = 0;
        auxBridge.TONS = 0;
        auxBridge.MW = 0;
        auxBridge.CR = 0;
    } else {
        const double b = NumericValue(slots[Slot::Crew].MISCSTR[1]);
        auxBridge.KL = 54 * b;
        auxBridge.TONS = 4 * b;
        auxBridge.CR = 400000 * b;
        auxBridge.MW = 0.003 * b;
    }
}

void RecalculateCraft(Design& design) {
    [[maybe_unused]] BlockProblems problems(design, ProblemSource::Craft);
    auto& slots = design.Slots;
    ClearSlot(design, Slot::SubordinateCraft);
    ComponentRecord& craft = slots[Slot::SubordinateCraft];
    // A configuration of digit 7 docks its craft without extra volume.
    const bool docking = DecodeDigit(slots[Slot::Configuration].USP.first()) != 7;
    for (std::size_t i = 1; i <= kCraftMax; ++i) {
        const ComponentRecord& entry = design.Craft[i];
        if (!Counts(entry)) {
            continue;
        }
        craft.KL += entry.KL * entry.NUMBER;
        if (docking) {
            craft.KL += entry.MISCNUM[2];  // the entry's own docking volume, once per entry
        }
        craft.TONS += entry.KL * entry.NUMBER;
        craft.MW += entry.MW * entry.NUMBER;
        craft.CR += entry.CR * entry.NUMBER;
    }

    SizeLaunchTube(slots[Slot::LaunchTube]);
}

void SizeLaunchTube(ComponentRecord& tube) {
    if (tube.NUMBER == 1) {
        tube.KL = tube.MISCNUM[1] * kKlPerTon * 25;
        tube.CR = tube.KL * 150;
    } else {
        tube.KL = 0;
        tube.CR = 0;
    }
}

void RecalculateControl(Design& design, Catalog& catalog, PanelSizing sizing) {
    BlockProblems problems(design, ProblemSource::Control);
    ComponentRecord& panels = design.Slots[Slot::Panels];
    const ComponentRecord& row = catalog.LookupComponent(panels.TABLE.view(), panels.IDNUM);

    const double previousCost = panels.CR;  // what the previous run left
    double count = SizeControl(design, problems);
    if (sizing == PanelSizing::Settled && row.CR * count != previousCost) {
        if (const auto settled = SettledPanelCount(design, problems, row)) {
            count = *settled;
        } else {
            panels.CR = previousCost;  // the one step, as the plain runs take it
            count = SizeControl(design, problems);
            problems.Add(std::abs(PanelCostGain(design, row)) >= 1 ? kPanelsOutgrowTheirControl
                                                                   : kPanelsDoNotSettle);
        }
    }

    panels.NUMBER = count;
    panels.KL = row.KL * count;
    panels.MW = row.MW * count;
    panels.CR = row.CR * count;
    panels.TONS = row.TONS * count;
}

void RecalculateCrew(Design& design) {
    BlockProblems problems(design, ProblemSource::Crew);
    auto& slots = design.Slots;
    ComponentRecord& crew1 = slots[Slot::Crew];
    ComponentRecord& crew2 = slots[Slot::PassengersAndCrewTotal];
    const ComponentRecord& options = slots[Slot::DriveOptions];
    const double C = slots[Slot::MainComputer].MISCNUM[1];
    const auto& area = design.ControlPoints;
    auto perComputer = [&](double points) {
        return problems.Divide(points, C, kCrewWithoutComputer);
    };

    std::array<double, 14> v{};  // categories 1–13
    double u = 0;
    auto store = [&](std::size_t category, double value) {
        v[category] = value == 0 ? 0 : value;  // never "-0"
        u += v[category];
    };

    double bridge = Int(perComputer(design.ControlTotal) / 750);
    if (bridge < 1) {
        bridge = 1;
    }
    if (bridge > 10) {
        bridge = Int(bridge / 10 + 10);
    }
    store(1, bridge);

    double engineering = Int(perComputer(area[3] + area[2]) / 400);
    if (options.MISCNUM[1] == 1) {
        engineering *= 0.8;
    }
    if (options.MISCNUM[2] == 1) {
        engineering *= 0.8;
    }
    if (options.MISCNUM[3] == 1) {
        engineering *= 1.2;
    }
    store(2, Int(engineering));

    double gunners = Int(perComputer(area[6]) / 10);
    if (gunners > 50) {
        gunners = Int(gunners / 50 + 50);
    }
    store(3, gunners);

    store(4, Int(perComputer(area[7]) / 10));

    double flight = 0;
    for (std::size_t i = 1; i <= kCraftMax; ++i) {
        if (Counts(design.Craft[i])) {
            flight += design.Craft[i].MISCNUM[3] * design.Craft[i].NUMBER;
        }
    }
    store(5, flight);
    store(6, 0);
    store(7, Int(perComputer(area[1] + design.HullKL()) / 400));
    store(8, Int(u / 6));
    store(9, Int(u / 120 + crew2.MISCNUM[3] / 20));
    store(10, Int((u - crew1.MISCNUM[8] + crew2.MISCNUM[2]) / 50 +
                  (crew2.MISCNUM[1] + crew1.MISCNUM[8]) / 8));
    store(11, 0);
    store(12, 0);
    store(13, 0);

    for (std::size_t category = 1; category <= 10; ++category) {
        crew1.MISCSTR[category] = PlainNumber(v[category]);
    }
    for (std::size_t category = 11; category <= 13; ++category) {
        crew2.MISCSTR[category - 10] = PlainNumber(v[category]);
    }
    crew2.MISCSTR[10] = PlainNumber(u);
    crew1.LABEL = "CREW1";
    crew2.LABEL = "CREW2";
}

}  // namespace korvane::engine
