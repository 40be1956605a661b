#include "model/rule_tables.h"

#include <cstddef>
#include <string_view>

namespace korvane {

namespace {

template <std::size_t N, std::size_t M>
void FillFromOne(std::array<std::string, N>& table,
                 const std::array<std::string_view, M>& entries) {
    static_assert(M < N);
    for (std::size_t i = 0; i < M; ++i) {
        table[i + 1] = entries[i];
    }
}

RuleTables BuildRuleTables() {
    RuleTables rules;
    rules.SensorRank = "-IFDRS";
    FillFromOne(rules.FuelTypeNames,
                std::array<std::string_view, 5>{"Hydrocarbons", "Plutonium", "Hydrogen",
                                                "Antimatter", "Batteries"});
    FillFromOne(rules.WeaponTypeNames,
                std::array<std::string_view, 12>{"Laser", "Missile", "Sand", "Plasma", "Fusion",
                                                 "Particle", "Meson", "Repulsor", "Tractor",
                                                 "Jump Damper", "Jump Projector", "Disintegrator"});
    FillFromOne(rules.CrewCategoryNames,
                std::array<std::string_view, 13>{
                    "Bridge", "Engineering", "Gunners", "Screen Ops", "Flight", "Troops",
                    "Maintainence", "Command", "Medical", "Steward", "High", "Mid", "Low/Frozen"});
    FillFromOne(
        rules.SlotLabels,
        std::array<std::string_view, 30>{
            "Basic hull",  "Config",        "Armour",      "Power plant",   "Plant fuel",
            "J-drive",     "J-Fuel",        "M-drive",     "Scoops",        "Purifiers",
            "Sensors",     "Avionics",      "Commo",       "EMM",           "Weapons",
            "Spinal",      "Screens",       "Magazine",    "Main computer", "Backup computer",
            "Panels",      "Panel add-ons", "Crew",        "Crew",          "Accommodation",
            "Launch tube", "Sub craft",     "Environment", "Anti-hijack",   "Custom features"});
    FillFromOne(rules.EnduranceSystemNames,
                std::array<std::string_view, 10>{
                    "Maneuver", "Sensors", "Commo", "EMMask", "Weapons & Screens",
                    "Backup Computer", "Aux Bridge", "Accommodation", "Custom Features", ""});

    constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kDrivePotential = {{
        {"100", "246999999999999999999999"},
        {"200", "123456999999999999999999"},
        {"400", "011223344556699999999999"},
        {"600", "001112223334445556669999"},
        {"800", "000111122223333444455666"},
        {"1000", "000011111222223333345666"},
        {"2000", "000000001111111111122346"},
        {"3000", "000000000000001111111224"},
        {"4000", "000000000000000000011123"},
        {"5000", "000000000000000000001112"},
    }};
    for (std::size_t row = 0; row < kDrivePotential.size(); ++row) {
        auto& cells = rules.DrivePotentialTable[row + 1];
        cells[0] = kDrivePotential[row].first;
        const std::string_view digits = kDrivePotential[row].second;
        for (std::size_t column = 0; column < digits.size(); ++column) {
            cells[column + 1] = std::string(1, digits[column]);
        }
    }
    return rules;
}

}  // namespace

const RuleTables& InitRuleTables() {
    static const RuleTables rules = BuildRuleTables();
    return rules;
}

}  // namespace korvane
