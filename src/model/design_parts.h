#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
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

// The parts after the tables' entries, numbered in this order.
enum DesignPart : std::size_t {
    kDesignRecordPart = kRecordCount - 2,
    kCapacityRecordPart,
    kControlPointsPart,
    kControlTotalPart,
    kControlRemainingPart,
    kWeaponFactorsPart,
    kWeaponCountsPart,
    kSensorCodesPart,
    kProblemsPart,
    kBlockProblemsPart,
    kDesignChangedPart,
    kPartCount
};

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
    visit(kDesignRecordPart, a.DesignRecord, b.DesignRecord);
    visit(kCapacityRecordPart, a.CapacityRecord, b.CapacityRecord);
    visit(kControlPointsPart, a.ControlPoints, b.ControlPoints);
    visit(kControlTotalPart, a.ControlTotal, b.ControlTotal);
    visit(kControlRemainingPart, a.ControlRemaining, b.ControlRemaining);
    visit(kWeaponFactorsPart, a.WeaponFactors, b.WeaponFactors);
    visit(kWeaponCountsPart, a.WeaponCounts, b.WeaponCounts);
    visit(kSensorCodesPart, a.SensorCodes, b.SensorCodes);
    visit(kProblemsPart, a.Problems, b.Problems);
    visit(kBlockProblemsPart, a.BlockProblems, b.BlockProblems);
    visit(kDesignChangedPart, a.DesignChanged, b.DesignChanged);
}

// The part that record `record` of `design` is: an entry of one of its tables
// or one of its two design-wide records. None for a record of no design, or
// of another.
inline std::optional<std::size_t> PartOf(const Design& design, const ComponentRecord& record) {
    const std::less<const ComponentRecord*> before;
    std::size_t first = 0;
    for (std::size_t table = 0; table < Design::kTableCount; ++table) {
        const auto entries = design.Table(table);
        if (!before(&record, entries.data()) && before(&record, entries.data() + entries.size())) {
            return first + static_cast<std::size_t>(&record - entries.data());
        }
        first += entries.size();
    }
    if (&record == &design.DesignRecord) {
        return kDesignRecordPart;
    }
    if (&record == &design.CapacityRecord) {
        return kCapacityRecordPart;
    }
    return std::nullopt;
}

}  // namespace korvane::design_parts
