#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/bitwise_equal.h"
#include "model/design.h"

namespace korvane::design_parts {

// A design seen as numbered parts: each table entry (the tables in file
// order), the two design-wide records, then each working value, the problem
// lists and the changed mark. The exact comparison and the change history
// walk a design by these parts.
inline constexpr std::size_t kRecordCount =
    SlotTable::size() + kSensorsMax + kCommunicatorsMax + kTurretsMax + kBaysMax + kScreensMax +
    kAccommodationsMax + kCraftMax + kEnvironmentMax + kAntiHijackMax + kCustomFeaturesMax +
    10 /* the item tables' entries 0 */ + 2 /* the design-wide records */;
inline constexpr std::size_t kPartCount = kRecordCount + 9;

// Bitwise sameness of two parts of the same kind.
inline bool Same(const ComponentRecord& a, const ComponentRecord& b) {
    return BitwiseEqual(a, b);
}

inline bool Same(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

inline bool Same(const std::string& a, const std::string& b) {
    return a == b;
}

inline bool Same(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    return a == b;
}

inline bool Same(bool a, bool b) {
    return a == b;
}

template <typename Element, std::size_t N>
bool Same(const std::array<Element, N>& a, const std::array<Element, N>& b) {
    for (std::size_t i = 0; i < N; ++i) {
        if (!Same(a[i], b[i])) {
            return false;
        }
    }
    return true;
}

// Calls visit(number, part of a, part of b) for every part in number order.
// DesignA may be const or not; its parts are passed as it is.
template <typename DesignA, typename Visit>
void ForEachPart(DesignA& a, const Design& b, Visit visit) {
    std::size_t number = 0;
    for (std::size_t table = 0; table < Design::kTableCount; ++table) {
        const auto entries = a.Table(table);
        const auto others = b.Table(table);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            visit(number++, entries[i], others[i]);
        }
    }
    visit(number++, a.DesignRecord, b.DesignRecord);
    visit(number++, a.CapacityRecord, b.CapacityRecord);
    visit(number++, a.ControlPoints, b.ControlPoints);
    visit(number++, a.ControlTotal, b.ControlTotal);
    visit(number++, a.ControlRemaining, b.ControlRemaining);
    visit(number++, a.WeaponFactors, b.WeaponFactors);
    visit(number++, a.WeaponCounts, b.WeaponCounts);
    visit(number++, a.SensorCodes, b.SensorCodes);
    visit(number++, a.Problems, b.Problems);
    visit(number++, a.BlockProblems, b.BlockProblems);
    visit(number++, a.DesignChanged, b.DesignChanged);
}

}  // namespace korvane::design_parts
