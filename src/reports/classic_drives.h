#pragma once

#include <string>

#include "model/design.h"

namespace korvane {

// The drive letters the design would carry under the game's classic rules,
// read from the drive potential table: the letter of the last column whose
// performance at the hull's size the drive (or the plant's power) reaches.
// A rating of 0 mounts no letter (empty); a hull smaller than the table's
// first size or above 5,000 tons gives "?" for all three.
struct ClassicDriveLetters {
    std::string jump;
    std::string maneuver;
    std::string power_plant;
};

ClassicDriveLetters ClassicDrives(const Design& design);

}  // namespace korvane
