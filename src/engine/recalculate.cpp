#include "engine/recalculate.h"

#include "engine/drives.h"
#include "engine/electronics.h"
#include "engine/hull_power.h"
#include "engine/status_summary.h"
#include "engine/support_crew.h"
#include "engine/totals.h"
#include "engine/weapons_screens.h"
#include "model/bitwise_equal.h"

namespace korvane {

namespace {

void RunPass(Design& design, Catalog& catalog, RecalcSection section) {
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
    engine::RecalculateControl(design, catalog);  // always; section 7 has no block of its own
    if (runs(RecalcSection::Crew)) {
        engine::RecalculateCrew(design);
    }
    engine::RecalculateTotals(design);  // always

    CheckDesignLimits(design);
}

}  // namespace

int Recalculate(Design& design, Catalog& catalog, RecalcSection section) {
    if (section != RecalcSection::All) {
        RunPass(design, catalog, section);
        return 1;
    }
    int passes = 0;
    Design before;
    while (passes < kMaxSettlingPasses) {
        before = design;
        RunPass(design, catalog, RecalcSection::All);
        ++passes;
        if (BitwiseEqual(before, design)) {
            break;
        }
    }
    return passes;
}

}  // namespace korvane
