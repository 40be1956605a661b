#include "reports/classic_drives.h"

#include <cmath>

#include "engine/digit_codes.h"
#include "model/rule_tables.h"
#include "model/text_helpers.h"

namespace korvane {

namespace {

constexpr double kLargestClassicHull = 5000;
constexpr std::size_t kHullRows = 10;
constexpr std::size_t kLetterColumns = 24;

// A drive code read as a decimal digit; a letter or a blank reads 0.
double DigitRating(char code) {
    return code >= '0' && code <= '9' ? code - '0' : 0;
}

// The letter of column L is the digit code 9 + L; the last column lies past
// the alphabet and takes its last letter.
std::string ColumnLetter(std::size_t column) {
    const double code = 9.0 + static_cast<double>(column);
    return code > static_cast<double>(kDigitAlphabet.size()) ? std::string(1, kDigitAlphabet.back())
                                                             : EncodeDigit(code);
}

}  // namespace

ClassicDriveLetters ClassicDrives(const Design& design) {
    const auto& table = InitRuleTables().DrivePotentialTable;
    const double tons = design.HullKL() / kKlPerTon;

    std::size_t hull_row = 0;
    for (std::size_t row = 1; row <= kHullRows; ++row) {
        if (LeadingNumber(table[row][0]) <= tons) {
            hull_row = row;
        }
    }
    if (hull_row == 0 || tons > kLargestClassicHull) {
        return {"?", "?", "?"};
    }

    const double jump = DigitRating(design.Slots[Slot::JumpDrive].USP.first());
    const double maneuver = DigitRating(design.Slots[Slot::ManeuverDrive].USP.first());
    // The plant's rating: its output in units of 243.75 MW per percent of the hull.
    const double power = std::floor(design.AvailableMW() / 243.75 / (0.01 * tons));

    ClassicDriveLetters letters;
    for (std::size_t column = 1; column <= kLetterColumns; ++column) {
        const double performance = LeadingNumber(table[hull_row][column]);
        for (auto [rating, letter] :
             {std::pair{jump, &letters.jump}, std::pair{maneuver, &letters.maneuver},
              std::pair{power, &letters.power_plant}}) {
            if (rating > 0 && performance <= rating) {
                *letter = ColumnLetter(column);
            }
        }
    }
    return letters;
}

}  // namespace korvane
