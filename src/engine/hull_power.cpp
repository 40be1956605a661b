#include "engine/hull_power.h"

#include <cmath>

#include "engine/block_support.h"
#include "engine/digit_codes.h"

namespace korvane::engine {

namespace {

constexpr int kSizeCodeRows = 33;

// The last armour scaling row ("AR", walked in key order from id 1) whose
// numeric label is at most the armour value; 1 without such a row.
double ArmourScale(Catalog& catalog, double armourValue) {
    double factor = 1;
    catalog.LookupComponent("AR", 1);
    while (true) {
        const ComponentRecord& row = catalog.ReadCatalogRecord();
        if (!(row.TABLE == "AR")) {
            break;
        }
        if (NumericValue(row.LABEL) <= armourValue) {
            factor = row.MISCNUM[1];
        }
        catalog.MoveNext();
    }
    return factor;
}

}  // namespace

void RecalculateHull(Design& design, Catalog& catalog, RecalcSection section) {
    BlockProblems problems(design, ProblemSource::Hull);
    auto& slots = design.Slots;
    ComponentRecord& hull = slots[Slot::Hull];
    ComponentRecord& config = slots[Slot::Configuration];
    ComponentRecord& armour = slots[Slot::Armour];

    design.HullKL() = hull.KL;
    const double hullKL = design.HullKL();
    if (hullKL == 0) {
        problems.Add("Hull volume is 0");
    } else if (hullKL < 0) {
        problems.Add("Hull volume is below 0");
    }

    hull.TONS = hullKL / kKlPerTon * 0.3;
    hull.CR = hullKL / kKlPerTon * 1350;

    design.Hardpoints() = Int(hullKL / kKlPerTon / 100);
    if (design.Hardpoints() == 0) {
        design.Hardpoints() = 1;
    }

    // Size code: the last "TC" row whose threshold the displacement reaches.
    if (section == RecalcSection::All || hull.USP.first() == ' ') {
        for (int id = 1; id <= kSizeCodeRows; ++id) {
            const ComponentRecord& row = catalog.LookupComponent("TC", id);
            if (!(hullKL / kKlPerTon >= row.MISCNUM[1])) {
                break;
            }
            hull.USP = row.USP;
            hull.MISCNUM[2] = row.MISCNUM[2];
        }
    }

    // Configuration: streamlining 1–3 selects factor field 3–5; fields 0–10 are accepted.
    const double k = std::round(config.MISCNUM[6] + 2);
    double streamlining = 0;
    if (k >= 0 && k <= 10) {
        streamlining = config.MISCNUM[static_cast<std::size_t>(k)];
    } else {
        problems.Add("Hull configuration has an unknown streamlining choice");
    }
    config.TONS = config.MISCNUM[1] * streamlining * hull.TONS;
    config.CR = config.MISCNUM[2] * streamlining * hull.CR;

    // Armour value from the armour code character.
    double code = DecodeDigit(armour.MISCSTR[2].first());
    if (code < 0) {
        code = 0;
    }
    armour.NUMBER = 3 * code + 40;
    armour.TONS = armour.MISCNUM[1] * (config.TONS + hull.TONS);
    armour.CR = armour.MISCNUM[2] * (config.CR + hull.CR);

    const double scale = ArmourScale(catalog, armour.NUMBER);
    if (armour.MISCNUM[3] == 1) {
        armour.TONS = armour.TONS * scale * 0.1;
        armour.CR = armour.CR * scale * 0.1;
    }
}

double PlantOutputFactor(double fuelType, double size) {
    if (fuelType == 2 && size > 50) {  // Plutonium
        return 2;
    }
    if (fuelType == 3) {  // Hydrogen
        if (size >= 6 && size <= 9) {
            return 1.5;
        }
        if (size >= 10 && size <= 13) {
            return 2;
        }
        if (size >= 14) {
            return 3;
        }
    }
    return 1;
}

void RecalculatePower(Design& design) {
    BlockProblems problems(design, ProblemSource::Power);
    auto& slots = design.Slots;
    ComponentRecord& plant = slots[Slot::PowerPlant];
    ComponentRecord& fuel = slots[Slot::PlantFuel];

    plant.TONS = plant.KL * plant.MISCNUM[4];
    plant.CR = plant.KL * plant.MISCNUM[5];
    design.AvailableMW() =
        plant.MISCNUM[3] * plant.KL * PlantOutputFactor(plant.MISCNUM[2], plant.KL);

    // Plant fuel by fuel type.
    fuel.KL = fuel.NUMBER * plant.MISCNUM[1] * plant.KL;
    const double fuelType = plant.MISCNUM[2];
    const double K = fuel.KL;
    if (fuelType == 1) {  // Hydrocarbons
        fuel.TONS = K;
        fuel.CR = K * 250;
    } else if (fuelType == 2) {  // Plutonium
        fuel.TONS = K * 12.5;
        fuel.CR = K * 75000;
    } else if (fuelType == 3) {  // Hydrogen
        fuel.TONS = K * 0.07;
        fuel.CR = K * 35;
    } else if (fuelType == 4) {  // Antimatter
        fuel.TONS = K;
        fuel.CR = K * 625000;
    } else if (fuelType == 5) {  // Batteries
        fuel.TONS = K * plant.MISCNUM[4];
        fuel.CR = K * plant.MISCNUM[5];
    }

    // Endurance: the hours of fuel at the power the previous run found, leaving
    // out the power of the systems the user excluded.
    const double usedMW = design.UsedMW();
    double leftOut = 0;
    if (fuel.MISCSTR[1].first() != '1') {
        leftOut = slots[Slot::Weapons].MW + slots[Slot::EmMask].MW + slots[Slot::SpinalMount].MW +
                  slots[Slot::Screens].MW;
    } else {
        const auto& flags = fuel.MISCSTR[2];
        for (std::size_t k = 1; k <= 10; ++k) {
            if (flags[k - 1] != '1') {
                continue;
            }
            switch (k) {
                case 1: {
                    const double r = problems.Divide(
                        fuel.MISCNUM[2], NumericValue(slots[Slot::ManeuverDrive].USP),
                        "Endurance leaves out the maneuver drive, but its rating is 0");
                    if (r < 1) {
                        leftOut += (1 - r) * slots[Slot::ManeuverDrive].MW;
                    }
                    break;
                }
                case 2:
                    leftOut += slots[Slot::Sensors].MW;
                    break;
                case 3:
                    leftOut += slots[Slot::Communicators].MW;
                    break;
                case 4:
                    leftOut += slots[Slot::EmMask].MW;
                    break;
                case 5:
                    leftOut += slots[Slot::SpinalMount].MW + slots[Slot::Weapons].MW +
                               slots[Slot::Screens].MW;
                    break;
                case 6:
                    leftOut += slots[Slot::BackupComputer].MW;
                    break;
                case 7:
                    leftOut += slots[Slot::AuxiliaryBridge].MW;
                    break;
                case 8:
                    leftOut += slots[Slot::Environment].MW + slots[Slot::Accommodation].MW;
                    break;
                case 9:
                    leftOut += slots[Slot::CustomFeatures].MW;
                    break;
                default:
                    break;
            }
        }
    }
    // The hours times the share of the power that is still drawn: with nothing
    // left out the share is exactly 1 and the endurance the fuel hours, where
    // (used × hours) / used can round to a hair below them and lose an hour.
    if (usedMW - leftOut > 0) {
        fuel.MISCNUM[1] = fuel.NUMBER * (usedMW / (usedMW - leftOut));
    }
}

}  // namespace korvane::engine
