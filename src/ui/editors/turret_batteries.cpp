#include "ui/editors/turret_batteries.h"

#include <algorithm>
#include <cmath>

#include "engine/weapons_screens.h"

namespace korvane::ui {

namespace {

// Thresholds from here on mark a factor the row does not have.
constexpr double kNoSuchFactor = 9999;

}  // namespace

bool TurretFactorAvailable(const ComponentRecord& turret, int factor) {
    if (factor < 1 || factor > kHighestTurretFactor) {
        return false;
    }
    const double threshold = turret.MISCNUM[static_cast<std::size_t>(factor)];
    return threshold > 0 && threshold < kNoSuchFactor;
}

std::vector<int> AvailableTurretFactors(const ComponentRecord& turret) {
    std::vector<int> factors;
    for (int factor = 1; factor <= kHighestTurretFactor; ++factor) {
        if (TurretFactorAvailable(turret, factor)) {
            factors.push_back(factor);
        }
    }
    return factors;
}

double MaxBatteries(const ComponentRecord& turret, int factor) {
    const double weapons = engine::WeaponsPerTurret(turret) * turret.NUMBER;
    for (int f = std::min(factor, kHighestTurretFactor); f >= 1; --f) {
        if (!TurretFactorAvailable(turret, f)) {
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
