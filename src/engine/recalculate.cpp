#include "engine/recalculate.h"

#include <bit>
#include <cstdint>

#include "engine/drives.h"
#include "engine/electronics.h"
#include "engine/hull_power.h"
#include "engine/plain_passes.h"
#include "engine/status_summary.h"
#include "engine/support_crew.h"
#include "engine/totals.h"
#include "engine/weapons_screens.h"
#include "model/bitwise_equal.h"
#include "model/design_changes.h"

namespace korvane {

namespace {

void RunPass(Design& design, Catalog& catalog, RecalcSection section, engine::PanelSizing panels) {
    auto runs = [section](RecalcSection block) {
        return section == RecalcSection::All || section == block;
    };

    // The window that shows the totals refreshes itself from the design; the
    // previous run's figures it would show first are of no use to the calculation.
    if (runs(RecalcSection::Hull)) {
        engine::RecalculateHull(design, catalog, section);
    }
    if (runs(RecalcSection::Power)) {
        engine::RecalculatePower(design);
    }
    if (runs(RecalcSection::Drives)) {
        engine::RecalculateDrives(design);
    }
    if (runs(RecalcSection::Electronics)) {
        engine::RecalculateElectronics(design);
    }
    if (runs(RecalcSection::Weapons)) {
        engine::RecalculateWeapons(design);
    }
    if (runs(RecalcSection::Screens)) {
        engine::RecalculateScreens(design);
    }
    if (runs(RecalcSection::Crew)) {
        engine::RecalculateFeatures(design);
    }
    if (runs(RecalcSection::Craft)) {
        engine::RecalculateCraft(design);
    }
    // Always; section 7 has no block of its own.
    engine::RecalculateControl(design, catalog, panels);
    if (runs(RecalcSection::Crew)) {
        engine::RecalculateCrew(design);
    }
    engine::RecalculateTotals(design);  // always

    CheckDesignLimits(design);
}

// The whole pass, then the two blocks that read a figure found later in the
// pass run again when the pass changed it: the features block, whose
// auxiliary bridge follows the bridge crew of the crew block, and the power
// block, whose endurance follows the power used of the totals, each followed by
// the totals. Without this each waits a pass for its figure, and a design takes
// two passes more to settle. On settled figures neither runs again, so the
// figures a design settles on are those of the plain pass.
void RunWholePass(Design& design, Catalog& catalog) {
    const FixedText<10> bridgeCrew = design.Slots[Slot::Crew].MISCSTR[1];
    const double usedMW = design.UsedMW();
    RunPass(design, catalog, RecalcSection::All, engine::PanelSizing::Settled);

    const bool newBridgeCrew = !(design.Slots[Slot::Crew].MISCSTR[1] == bridgeCrew);
    if (newBridgeCrew) {
        engine::RecalculateFeatures(design);
        engine::RecalculateTotals(design);
    }
    const bool newUsedMW =
        std::bit_cast<std::uint64_t>(design.UsedMW()) != std::bit_cast<std::uint64_t>(usedMW);
    if (newUsedMW) {
        engine::RecalculatePower(design);
        engine::RecalculateTotals(design);
    }
    if (newBridgeCrew || newUsedMW) {
        CheckDesignLimits(design);
    }
}

// Repeats `pass` until it changes nothing, at most kMaxSettlingPasses times.
// What each pass found is kept in `seen`, brought up to date entry by entry
// after each pass: a pass changes few entries, and a whole copy of the design
// before every pass was a large share of the pass's time. Each part that
// `seen` loses is kept in `changes`, when given.
//
// `seen` starts as the design the first pass finds, or as a design the first
// pass may lead back to: the design before a change, which ends the settling
// there only if it was settled itself (`seenSettled`).
template <typename Pass>
Settling Settle(Design& design, Design& seen, bool seenSettled, DesignChanges* changes, Pass pass) {
    Settling settling;
    while (settling.passes < kMaxSettlingPasses) {
        pass(design);
        ++settling.passes;
        const bool changed = CopyDifferences(seen, design, changes);
        if (!changed && (seenSettled || settling.passes > 1)) {
            settling.settled = true;
            break;
        }
    }
    return settling;
}

// Settles a design from a copy of itself.
template <typename Pass>
int SettleFromItself(Design& design, Pass pass) {
    Design seen = design;
    return Settle(design, seen, true, nullptr, pass).passes;
}

auto WholePass(Catalog& catalog) {
    return [&catalog](Design& design) { RunWholePass(design, catalog); };
}

}  // namespace

int Recalculate(Design& design, Catalog& catalog) {
    return SettleFromItself(design, WholePass(catalog));
}

Settling RecalculateChange(Design& design, Catalog& catalog, Design& before, bool beforeSettled,
                           DesignChanges& changes) {
    return Settle(design, before, beforeSettled, &changes, WholePass(catalog));
}

namespace engine {

int RecalculateSection(Design& design, Catalog& catalog, RecalcSection section) {
    if (section == RecalcSection::All) {
        return Recalculate(design, catalog);
    }
    RunPass(design, catalog, section, PanelSizing::FromPreviousRun);
    return 1;
}

int RecalculateByPlainPasses(Design& design, Catalog& catalog) {
    return SettleFromItself(design, [&catalog](Design& d) {
        RunPass(d, catalog, RecalcSection::All, PanelSizing::FromPreviousRun);
    });
}

}  // namespace engine

}  // namespace korvane
