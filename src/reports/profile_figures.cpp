#include "reports/profile_figures.h"

#include <algorithm>
#include <cmath>

#include "engine/digit_codes.h"

namespace korvane {

namespace {

double VacuumSpeed(const Design& design) {
    static constexpr double kSpeedByManeuver[] = {0, 1200, 2120, 2850, 3400, 3840, 4200};
    const int d = DecodeDigit(design.Slots[Slot::ManeuverDrive].USP.first());
    double speed = d >= 1 && d <= 6 ? kSpeedByManeuver[d] : 0;
    if (design.Slots[Slot::DriveOptions].MISCNUM[3] == 1) {
        speed = std::floor(speed * 1.2);
    }
    return speed;
}

double AtmosphereSpeed(const Design& design, double vacuum) {
    const double streamlining = design.Slots[Slot::Configuration].MISCNUM[6];
    if (streamlining == 2) {
        return std::min(vacuum, 1000.0);
    }
    if (streamlining == 3) {
        return vacuum * 0.9;
    }
    return 0;
}

std::string EmissionLevel(const Design& design) {
    const double output = design.AvailableMW();
    int level = 1;
    double limit = 270;
    if (output > 100000) {
        level = 3;
        limit = 13500;
    } else if (output >= 1000) {
        level = 2;
        limit = 1350;
    }
    if (limit > design.HullKL()) {
        ++level;
    }
    if (design.Slots[Slot::EmMask].NUMBER == 1) {
        --level;
    }
    static constexpr const char* kWords[] = {"None", "Faint", "Moderate", "Strong"};
    return kWords[std::clamp(level, 0, 3)];
}

}  // namespace

ProfileFigures ComputeProfileFigures(const Design& design) {
    const auto& slots = design.Slots;
    ProfileFigures figures;
    figures.H15 = std::floor(design.HullKL() / 15);
    figures.UnloadedTons =
        design.TotalTons() - (slots[Slot::JumpFuel].TONS + slots[Slot::PlantFuel].TONS +
                              slots[Slot::Magazine].TONS + slots[Slot::SubordinateCraft].TONS);
    figures.VacuumSpeed = VacuumSpeed(design);
    figures.AtmosphereSpeed = AtmosphereSpeed(design, figures.VacuumSpeed);
    figures.FuelKl = slots[Slot::JumpFuel].KL + slots[Slot::PlantFuel].KL;
    // The jumps the fuel serves: the drive's number plus the spare jumps. An
    // inconsistent design (spare fuel without a drive) can make that 0.
    const double jumps =
        DecodeDigit(slots[Slot::JumpDrive].USP.first()) + slots[Slot::JumpDrive].MISCNUM[1];
    figures.JumpFuelKl = jumps > 0 ? std::floor(slots[Slot::JumpFuel].KL / jumps) : 0;
    figures.EmissionLevel = EmissionLevel(design);
    figures.ObjectSize = design.TotalTons() > 10000  ? "Large"
                         : design.TotalTons() >= 100 ? "Average"
                                                     : "Small";
    return figures;
}

}  // namespace korvane
