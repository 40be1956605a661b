#include "engine/recalculate.h"

#include "engine/drives.h"
#include "engine/electronics.h"
#include "engine/hull_power.h"
#include "engine/status_summary.h"
#include "engine/support_crew.h"
#include "engine/totals.h"
#include "engine/weapons_screens.h"

namespace korvane {

void Recalculate(Design& design, Catalog& catalog, int section) {
    auto runs = [section](int block) { return section == kRecalcAll || section == block; };

    // The window that shows the totals refreshes itself from the design; the
    // previous run's figures it would show first are of no use to the calculation.
    if (runs(kRecalcHull)) {
        engine::RecalculateHull(design, catalog, section);
    }
    if (runs(kRecalcPower)) {
        engine::RecalculatePower(design);
    }
    if (runs(kRecalcDrives)) {
        engine::RecalculateDrives(design);
    }
    if (runs(kRecalcElectronics)) {
        engine::RecalculateElectronics(design);
    }
    if (runs(kRecalcWeapons)) {
        engine::RecalculateWeapons(design);
    }
    if (runs(kRecalcScreens)) {
        engine::RecalculateScreens(design);
    }
    if (runs(kRecalcCrew)) {
        engine::RecalculateFeatures(design);
    }
    if (runs(kRecalcCraft)) {
        engine::RecalculateCraft(design);
    }
    engine::RecalculateControl(design, catalog);  // always; section 7 has no block of its own
    if (runs(kRecalcCrew)) {
        engine::RecalculateCrew(design);
    }
    engine::RecalculateTotals(design);  // always

    CheckDesignLimits(design);
}

}  // namespace korvane
