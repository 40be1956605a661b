#include "engine/weapons_screens.h"

#include <string>
#include <string_view>

#include "engine/block_support.h"
#include "engine/digit_codes.h"
#include "model/text_helpers.h"

namespace korvane::engine {

namespace {

constexpr int kLaser = 1;
constexpr int kMissile = 2;
constexpr int kSand = 3;

constexpr int kTurretColumn = 1;
constexpr int kBayColumn = 2;
constexpr int kSpinalColumn = 3;

// The factor of an ordinary turret row: the highest k (1–10) up to which every
// threshold MISCNUM k is met by the number of batteries Int(weapons / battery size).
double TurretFactor(const ComponentRecord& turret, double batterySize, double weapons) {
    double factor = 0;
    if (!(batterySize > 0)) {
        return factor;
    }
    const double batteries = Int(weapons / batterySize);
    for (int k = 1; k <= kHighestTurretFactor; ++k) {
        if (!(batteries >= turret.MISCNUM[static_cast<std::size_t>(k)])) {
            break;
        }
        factor = k;
    }
    return factor;
}

// The number after a marker ("L=2") in a mixed turret's contents, if the marker is present.
bool MarkerValue(std::string_view contents, std::string_view marker, double& value) {
    const auto at = contents.find(marker);
    if (at == std::string_view::npos) {
        return false;
    }
    value = LeadingNumber(contents.substr(at + marker.size()));
    return true;
}

// The bay factor character for the design's tech level: character (TL − 7) of
// the 20 characters of MISCSTR1 + MISCSTR2; below TL 8 the first, above TL 27 a blank.
std::string BayFactorCharacter(const ComponentRecord& bay, int designTL) {
    const std::string characters = bay.MISCSTR[1].str() + bay.MISCSTR[2].str();
    int position = designTL - 7;
    if (position < 1) {
        position = 1;
    }
    if (position > static_cast<int>(characters.size())) {
        return " ";
    }
    return std::string(1, characters[static_cast<std::size_t>(position) - 1]);
}

}  // namespace

double WeaponsPerTurret(const ComponentRecord& turret) {
    double m = 1;
    if (turret.LABEL.contains("Double")) {
        m = 2;
    }
    if (turret.LABEL.contains("Dual")) {
        m = 2;
    }
    if (turret.LABEL.contains("Triple")) {
        m = 3;
    }
    return m;
}

bool TurretHasFactor(const ComponentRecord& turret, int factor) {
    constexpr double kNoSuchFactor = 9999;
    if (factor < 1 || factor > kHighestTurretFactor) {
        return false;
    }
    const double threshold = turret.MISCNUM[static_cast<std::size_t>(factor)];
    return threshold > 0 && threshold < kNoSuchFactor;
}

void RecalculateWeapons(Design& design) {
    [[maybe_unused]] BlockProblems problems(design, ProblemSource::Weapons);
    auto& slots = design.Slots;
    auto& factors = design.WeaponFactors;
    auto& counts = design.WeaponCounts;
    ComponentRecord& weapons = slots[Slot::Weapons];
    ComponentRecord& magazine = slots[Slot::Magazine];

    ClearSlot(design, Slot::Weapons);
    magazine.NUMBER = 0;
    design.UsedHardpoints() = 0;
    for (std::size_t t = 1; t <= 12; ++t) {
        for (std::size_t m = 1; m <= 3; ++m) {
            factors[t][m] = 0;
            counts[t][m] = 0;
        }
    }

    // Turrets.
    for (std::size_t i = 1; i <= kTurretsMax; ++i) {
        ComponentRecord& turret = design.Turrets[i];
        if (!Counts(turret)) {
            continue;
        }
        AddScaled(weapons, turret, 1);
        design.UsedHardpoints() += turret.NUMBER;

        if (turret.USP.first() != '*') {
            const double batterySize = NumericValue(turret.MISCSTR[2]);
            const double weaponCount = WeaponsPerTurret(turret) * turret.NUMBER;
            const double factor = TurretFactor(turret, batterySize, weaponCount);
            turret.USP = EncodeDigit(factor);
            const auto t = static_cast<std::size_t>(WeaponTypeCode(turret.LABEL.view()));
            // A turret of factor 0 adds 0 (not the −99 that decoding "0" gives).
            if (factor > 0) {
                factors[t][kTurretColumn] += DecodeDigit(turret.USP.first());
            }
            counts[t][kTurretColumn] += batterySize;
            if (t == kMissile) {
                magazine.NUMBER += weaponCount;
            }
        } else {
            // Mixed turret: its contents name the factor of each weapon kind.
            const std::string_view contents = turret.MISCSTR[1].view();
            double x = 0;
            if (MarkerValue(contents, "L=", x)) {
                factors[kLaser][kTurretColumn] += x;
                counts[kLaser][kTurretColumn] += turret.NUMBER;
            }
            if (MarkerValue(contents, "M=", x)) {
                factors[kMissile][kTurretColumn] += x;
                counts[kMissile][kTurretColumn] += turret.NUMBER;
                magazine.NUMBER += (x - 1) * turret.NUMBER;
            }
            if (MarkerValue(contents, "S=", x)) {
                turret.MISCNUM[3] = x;
                factors[kSand][kTurretColumn] += x;
                counts[kSand][kTurretColumn] += turret.NUMBER;
            }
        }
    }

    // Bays: the last bay of a type sets that type's bay factor.
    for (std::size_t i = 1; i <= kBaysMax; ++i) {
        ComponentRecord& bay = design.Bays[i];
        if (!Counts(bay)) {
            continue;
        }
        bay.USP = BayFactorCharacter(bay, design.DesignTL());
        AddScaled(weapons, bay, 1);
        design.UsedHardpoints() += bay.MISCNUM[1] * bay.NUMBER;
        const auto t = static_cast<std::size_t>(WeaponTypeCode(bay.LABEL.view()));
        factors[t][kBayColumn] = DecodeDigit(bay.USP.first());
        counts[t][kBayColumn] += bay.NUMBER;
        if (t == kMissile) {
            if (bay.LABEL.contains("50-ton Missile")) {
                magazine.NUMBER += bay.NUMBER * 50;
            }
            if (bay.LABEL.contains("100-ton Missile")) {
                magazine.NUMBER += bay.NUMBER * 100;
            }
        }
    }

    // Spinal mount.
    ComponentRecord& spinal = slots[Slot::SpinalMount];
    if (spinal.NUMBER != 0) {
        design.UsedHardpoints() += spinal.MISCNUM[1];
        const auto t = static_cast<std::size_t>(WeaponTypeCode(spinal.LABEL.view()));
        factors[t][kSpinalColumn] = DecodeDigit(spinal.USP.first());
        counts[t][kSpinalColumn] = 1;
    } else {
        ClearSlot(design, Slot::SpinalMount);
    }

    // Magazine.
    const double N = magazine.NUMBER;
    const double M1 = magazine.MISCNUM[1];
    const double M2 = magazine.MISCNUM[2];
    const double M3 = magazine.MISCNUM[3];
    magazine.KL = N * (M1 + M2 + M3) * 0.1;
    magazine.TONS = N * (M1 * 0.05 + M2 * 0.07 + M3 * 0.09);
    magazine.CR = N * (M1 * 20000 + M2 * 150000 + M3 * 200000);

    // No negative factor or count survives (a bay of blank factor decodes to −99).
    for (std::size_t t = 1; t <= 12; ++t) {
        for (std::size_t m = 1; m <= 3; ++m) {
            if (factors[t][m] < 0) {
                factors[t][m] = 0;
            }
            if (counts[t][m] < 0) {
                counts[t][m] = 0;
            }
        }
    }
}

void RecalculateScreens(Design& design) {
    [[maybe_unused]] BlockProblems problems(design, ProblemSource::Screens);
    ClearSlot(design, Slot::Screens);
    ComponentRecord& screens = design.Slots[Slot::Screens];
    for (std::size_t i = 1; i <= kScreensMax; ++i) {
        const ComponentRecord& screen = design.Screens[i];
        if (!Counts(screen)) {
            continue;
        }
        screens.KL += screen.KL * screen.NUMBER;
        screens.TONS += screen.TONS * screen.NUMBER;
        screens.CR += screen.CR * screen.NUMBER;
        if (screen.MISCNUM[1] != 0) {
            screens.MW += screen.MW * screen.NUMBER * design.HullKL();  // power per kl of hull
        } else {
            screens.MW += screen.MW * screen.NUMBER;
        }
    }
}

}  // namespace korvane::engine
