#include "engine/drives.h"

#include "engine/block_support.h"
#include "engine/digit_codes.h"

namespace korvane::engine {

namespace {

// Drive tons per 100 (jump) or 20 (maneuver) displacement tons for codes 0–6;
// any other code gives 0.
double JumpFactor(double code) {
    static constexpr double kFactors[] = {0, 2, 3, 4, 5, 6, 7};
    for (int j = 0; j <= 6; ++j) {
        if (code == j) {
            return kFactors[j];
        }
    }
    return 0;
}

double ManeuverFactor(double code) {
    static constexpr double kFactors[] = {0, 0.4, 1, 1.6, 2.2, 2.8, 3.4};
    for (int g = 0; g <= 6; ++g) {
        if (code == g) {
            return kFactors[g];
        }
    }
    return 0;
}

// Jump fuel in kl per ton of jump drive by tech level.
double JumpFuelPerDriveTon(int tl) {
    if (tl <= 16) {
        return 67.5;
    }
    switch (tl) {
        case 17:
            return 54;
        case 18:
            return 41;
        case 19:
            return 27;
        case 20:
            return 14;
        default:
            return 7;
    }
}

// The rating (1–6) a drive of the given size per hull unit gives the ship alone.
double RatingFromThresholds(double y, const double (&thresholds)[5]) {
    double rating = 1;
    for (int i = 0; i < 5; ++i) {
        if (y >= thresholds[i]) {
            rating = i + 2;
        }
    }
    return rating;
}

}  // namespace

void RecalculateDrives(Design& design) {
    BlockProblems problems(design, ProblemSource::Drives);
    auto& slots = design.Slots;
    ComponentRecord& jump = slots[Slot::JumpDrive];
    ComponentRecord& jumpFuel = slots[Slot::JumpFuel];
    ComponentRecord& maneuver = slots[Slot::ManeuverDrive];
    ComponentRecord& options = slots[Slot::DriveOptions];
    const double hullKL = design.HullKL();
    const double D = hullKL / kKlPerTon;

    // Jump drive.
    const double Tj = options.MISCNUM[4] * kKlPerTon;
    const double fj = JumpFactor(NumericValue(jump.USP));
    const double nj = Int((hullKL + Tj) / kKlPerTon / 100 * fj);
    if (Tj > 0) {
        const double y = problems.Divide(
            nj, D / 100, "Jump rating of the ship alone needs a hull volume above 0");
        options.MISCNUM[6] = RatingFromThresholds(y, {3, 4, 5, 6, 7});
    }
    jump.KL = nj * kKlPerTon;
    jump.TONS = nj * 27;
    jump.CR = nj * 3000000;
    if (options.MISCNUM[2] == 1) {
        jump.KL *= 1.5;
        jump.TONS *= 1.5;
        jump.CR *= 1.2;
    }

    // Jump fuel, with fuel for further jumps.
    jumpFuel.KL = nj * JumpFuelPerDriveTon(design.DesignTL());
    if (jump.MISCNUM[1] > 0) {
        // DecodeDigit never gives 0 (−99 for a code outside the alphabet).
        jumpFuel.KL = jumpFuel.KL + jump.MISCNUM[1] * jumpFuel.KL / DecodeDigit(jump.USP.first());
    }
    jumpFuel.TONS = jumpFuel.KL * 0.07;
    jumpFuel.CR = jumpFuel.KL * 35;

    // Maneuver drive.
    const double Tm = options.MISCNUM[5] * kKlPerTon;
    const double fm = ManeuverFactor(NumericValue(maneuver.USP));
    const double nm = Int((hullKL + Tm) / kKlPerTon / 20 * fm);
    if (Tm > 0) {
        const double y = problems.Divide(
            nm, D / 20, "Maneuver rating of the ship alone needs a hull volume above 0");
        options.MISCNUM[7] = RatingFromThresholds(y, {1, 1.6, 2.2, 2.8, 3.4});
    }
    maneuver.KL = nm * kKlPerTon;
    maneuver.TONS = nm * 35;
    maneuver.CR = nm * 700000;
    maneuver.MW = nm * 70;
    if (options.MISCNUM[1] == 1) {
        maneuver.KL *= 1.5;
        maneuver.TONS *= 1.5;
        maneuver.CR *= 1.2;
    }
    if (options.MISCNUM[3] == 1) {
        maneuver.KL *= 1.2;
        maneuver.TONS *= 1.2;
        maneuver.CR *= 1.2;
    }

    // Fuel scoops.
    slots[Slot::FuelScoops].CR =
        slots[Slot::FuelScoops].NUMBER == 1 ? slots[Slot::Hull].KL * 75 : 0;

    // Purifiers: MISCNUM10 is the purification time in hours (12 when unset).
    ComponentRecord& purifier = slots[Slot::Purifiers];
    if (purifier.NUMBER != 1) {
        ClearSlot(design, Slot::Purifiers);
    } else {
        if (purifier.MISCNUM[10] == 0) {
            purifier.MISCNUM[10] = 12;
        }
        const double q = purifier.MISCNUM[10] / 6;
        double F = jumpFuel.KL;
        if (slots[Slot::PowerPlant].MISCNUM[2] == 3) {
            F += slots[Slot::PlantFuel].KL;
        }
        const char* const kNoTime = "Purification time is 0";
        purifier.MW = problems.Divide(F * purifier.MISCNUM[1], q, kNoTime);
        purifier.KL = problems.Divide(F * purifier.MISCNUM[2], q, kNoTime);
        purifier.TONS = problems.Divide(F * purifier.MISCNUM[3], q, kNoTime);
        purifier.CR = problems.Divide(F * purifier.MISCNUM[4], q, kNoTime);
    }
}

}  // namespace korvane::engine
