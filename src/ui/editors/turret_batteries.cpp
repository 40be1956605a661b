#include "ui/editors/turret_batteries.h"

#include <algorithm>
#include <cmath>

#include "engine/weapons_screens.h"

namespace korvane::ui {

std::vector<int> AvailableTurretFactors(const ComponentRecord& turret) {
    std::vector<int> factors;
    for (int factor = 1; factor <= engine::kHighestTurretFactor; ++factor) {
        if (engine::TurretHasFactor(turret, factor)) {
            factors.push_back(factor);
        }
    }
    return factors;
}

double MaxBatteries(const ComponentRecord& turret, int factor) {
    const double weapons = engine::WeaponsPerTurret(turret) * turret.NUMBER;
    for (int f = std::min(factor, engine::kHighestTurretFactor); f >= 1; --f) {
        if (!engine::TurretHasFactor(turret, f)) {
            continue;
        }
        const double batteries = std::floor(weapons / turret.MISCNUM[static_cast<std::size_t>(f)]);
        if (batteries > 0) {
            return batteries;
        }
    }
    return 0;
}

}  // namespace korvane::ui
