#include "engine/recalculate.h"

#include "engine/drives.h"
#include "engine/electronics.h"
#include "engine/hull_power.h"
#include "engine/plain_passes.h"
#include "engine/status_summary.h"
#include "engine/support_crew.h"
#include "engine/totals.h"
#include "engine/weapons_screens.h"
#include "model/bitwise_equal.h"

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

// Repeats the whole pass until it changes nothing, at most kMaxSettlingPasses
// times. What each pass found is kept in `seen`, brought up to date entry by
// entry after each pass: a pass changes few entries, and a whole copy of the
// design before every pass was a large share of the pass's time.
int Settle(Design& design, Catalog& catalog, engine::PanelSizing panels) {
    int passes = 0;
    Design seen;
    CopyDifferences(seen, design);
    while (passes < kMaxSettlingPasses) {
        RunPass(design, catalog, RecalcSection::All, panels);
        ++passes;
        if (!CopyDifferences(seen, design)) {
            break;
        }
    }
    return passes;
}

}  // namespace

int Recalculate(Design& design, Catalog& catalog) {
    return Settle(design, catalog, engine::PanelSizing::Settled);
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
    return Settle(design, catalog, PanelSizing::FromPreviousRun);
}

}  // namespace engine

}  // namespace korvane
