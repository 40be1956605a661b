#pragma once

#include <string>

#include "model/design.h"

namespace korvane {

// The figures the profile computes itself from a recalculated design; the text
// file, the printed profile and the HTML page all read them from here.
struct ProfileFigures {
    double H15 = 0;              // Int(HullKL / 15), the hull figure of several sections
    double UnloadedTons = 0;     // loaded mass less jump fuel, plant fuel, magazine and craft
    double VacuumSpeed = 0;      // V, maximum speed in vacuum (kph)
    double AtmosphereSpeed = 0;  // S, maximum speed in a standard atmosphere (kph)
    double FuelKl = 0;           // F, jump fuel plus plant fuel (kl)
    double JumpFuelKl = 0;       // J, the fuel of one jump (kl); 0 when no jump is fitted
    std::string EmissionLevel;   // "None", "Faint", "Moderate" or "Strong"
    std::string ObjectSize;      // "Small", "Average" or "Large"
};

ProfileFigures ComputeProfileFigures(const Design& design);

}  // namespace korvane
