#pragma once

#include <array>
#include <string>

namespace korvane {

// The fixed rule tables, filled once at start-up. Index 0 stays empty where the
// tables count from 1.
struct RuleTables {
    std::string SensorRank;                            // sensor letters, lowest rank first
    std::array<std::string, 6> FuelTypeNames;          // 1–5
    std::array<std::string, 13> WeaponTypeNames;       // 1–12
    std::array<std::string, 14> CrewCategoryNames;     // 1–13
    std::array<std::string, 41> SlotLabels;            // 1–30 of 0–40
    std::array<std::string, 11> EnduranceSystemNames;  // 1–10
    // Rows 1–10: column 0 the hull size in tons, columns 1–24 one drive digit
    // each ("9": that drive letter cannot serve the size). Row 0 and column 25 stay empty.
    std::array<std::array<std::string, 26>, 11> DrivePotentialTable;
};

const RuleTables& InitRuleTables();

}  // namespace korvane
