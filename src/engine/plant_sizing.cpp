#include "engine/plant_sizing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/hull_power.h"
#include "engine/recalculate.h"

namespace korvane {

namespace {

using Tenths = std::int64_t;

constexpr double kTenthsPerKl = 10;

double Kl(Tenths size) {
    return static_cast<double>(size) / kTenthsPerKl;
}

// The sizes from which the plant's output factor stays the same up to the
// next one, ascending; the last holds for every larger plant.
std::vector<Tenths> FactorStepStarts(double fuelType) {
    std::vector<Tenths> starts{0};
    const auto last = static_cast<Tenths>(engine::kLastPlantOutputStep * kTenthsPerKl) + 1;
    for (Tenths size = 1; size <= last; ++size) {
        if (engine::PlantOutputFactor(fuelType, Kl(size)) !=
            engine::PlantOutputFactor(fuelType, Kl(size - 1))) {
            starts.push_back(size);
        }
    }
    return starts;
}

class PlantTrial {
public:
    PlantTrial(const Design& design, Catalog& catalog) : design_(design), catalog_(catalog) {}

    bool Sufficient(Tenths size) {
        Design trial = design_;
        trial.Slots[Slot::PowerPlant].KL = Kl(size);
        Recalculate(trial, catalog_);
        return trial.AvailableMW() >= trial.UsedMW();
    }

    // The smallest sufficient size from `low` to `high`, where `high` is
    // sufficient: within one step of the output factor, a larger plant gives
    // more power than it makes the design use.
    Tenths Smallest(Tenths low, Tenths high) {
        while (low < high) {
            const Tenths middle = low + (high - low) / 2;
            if (Sufficient(middle)) {
                high = middle;
            } else {
                low = middle + 1;
            }
        }
        return high;
    }

private:
    const Design& design_;
    Catalog& catalog_;
};

}  // namespace

std::optional<double> SmallestSufficientPlantSize(const Design& design, Catalog& catalog) {
    const ComponentRecord& plant = design.Slots[Slot::PowerPlant];
    if (!(plant.MISCNUM[3] > 0)) {
        return std::nullopt;
    }
    PlantTrial trial(design, catalog);
    const std::vector<Tenths> starts = FactorStepStarts(plant.MISCNUM[2]);
    // A smaller plant with a larger factor can be enough where a larger one
    // with a smaller factor is not, so each step is searched in turn.
    for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
        const Tenths last = starts[i + 1] - 1;
        if (trial.Sufficient(last)) {
            return Kl(trial.Smallest(starts[i], last));
        }
    }
    // Beyond the last step: from the size the power now in use asks for,
    // doubled until it is enough.
    const Tenths from = starts.back();
    const double asked = design.UsedMW() /
                         (plant.MISCNUM[3] * engine::PlantOutputFactor(plant.MISCNUM[2], Kl(from)));
    const double largest = kLargestPlantTried * kTenthsPerKl;
    Tenths high =
        std::max(from, static_cast<Tenths>(std::ceil(std::min(asked * kTenthsPerKl, largest))));
    while (!trial.Sufficient(high)) {
        if (high >= largest) {
            return std::nullopt;
        }
        high =
            static_cast<Tenths>(std::min(largest, std::max(1.0, 2.0 * static_cast<double>(high))));
    }
    return Kl(trial.Smallest(from, high));
}

}  // namespace korvane
