#include "engine/profile_code.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "engine/digit_codes.h"
#include "model/number_format.h"

namespace korvane {

namespace {

// Puts the first character of a value at a 1-based position; an empty value or
// a NUL (a never-set field) leaves the template's character.
void Put(std::string& code, std::size_t position, std::string_view value) {
    if (!value.empty() && value.front() != '\0') {
        code[position - 1] = value.front();
    }
}

// The largest factor over all mountings of the given weapon types, encoded (0 without weapons).
std::string LargestFactor(const Design& design, std::initializer_list<std::size_t> types) {
    double largest = 0;
    for (std::size_t type : types) {
        for (std::size_t mounting = 1; mounting <= 3; ++mounting) {
            largest = std::max(largest, design.WeaponFactors[type][mounting]);
        }
    }
    return EncodeDigit(largest);
}

// The last character of the trimmed label of the first fitted screen whose label
// contains the keyword; empty when there is none.
std::string ScreenLetter(const Design& design, std::string_view keyword) {
    for (std::size_t i = 1; i <= kScreensMax; ++i) {
        const ComponentRecord& screen = design.Screens[i];
        if (screen.NUMBER > 0 && screen.LABEL.contains(keyword)) {
            const std::string label = screen.LABEL.trimmed();
            return label.empty() ? std::string() : std::string(1, label.back());
        }
    }
    return {};
}

// Crew size class 0–5 of the actual crew total; a size between the bands leaves the template.
std::string CrewClass(double crew) {
    if (crew == 0)
        return "0";
    if (crew >= 1 && crew <= 9)
        return "1";
    if (crew >= 10 && crew <= 99)
        return "2";
    if (crew >= 100 && crew <= 999)
        return "3";
    if (crew >= 1000 && crew <= 9999)
        return "4";
    if (crew >= 10000)
        return "5";
    return {};
}

}  // namespace

std::string BuildProfileCode(const Design& design) {
    std::string code = "0000000-000000-00000-0";
    const auto& slots = design.Slots;

    Put(code, 1, slots[Slot::Hull].USP.view());
    Put(code, 2, slots[Slot::Configuration].USP.view());
    Put(code, 3, slots[Slot::JumpDrive].USP.view());
    Put(code, 4, slots[Slot::ManeuverDrive].USP.view());

    // Power plant rating; a hull of volume 0 gives 0 (the hull block reports it).
    const double hullUnits = design.HullKL() / 13.5 * 0.01;
    const double rating =
        hullUnits == 0 ? 0 : std::floor((design.AvailableMW() / 243.75) / hullUnits);
    Put(code, 5, PlainNumber(rating));

    Put(code, 6, slots[Slot::MainComputer].MISCSTR[1].view());
    Put(code, 7, CrewClass(slots[Slot::PassengersAndCrewTotal].MISCNUM[10]));
    Put(code, 8, "-");
    Put(code, 9, slots[Slot::Armour].MISCSTR[2].view());
    Put(code, 10, LargestFactor(design, {3}));  // sand
    Put(code, 11, ScreenLetter(design, "Meson"));
    Put(code, 12, ScreenLetter(design, "Nucle"));
    Put(code, 13, ScreenLetter(design, "Globe"));
    Put(code, 14, LargestFactor(design, {8}));  // repulsor
    Put(code, 15, "-");
    Put(code, 16, LargestFactor(design, {1}));     // laser
    Put(code, 17, LargestFactor(design, {4, 5}));  // plasma and fusion
    Put(code, 18, LargestFactor(design, {6}));     // particle
    Put(code, 19, LargestFactor(design, {7}));     // meson
    Put(code, 20, LargestFactor(design, {2}));     // missile
    return code;
}

}  // namespace korvane
