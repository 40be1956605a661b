#include "model/bitwise_equal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>

namespace korvane {

namespace {

// A record is compared as two runs of bytes and its tech level, skipping the
// padding before TL and before MISCNUM, whose bytes a copy need not keep. The
// runs hold no padding of their own; comparing the bytes of a double compares
// its bits.
using Record = ComponentRecord;
constexpr std::size_t kHeadEnd = offsetof(Record, USP) + sizeof(Record::USP);
constexpr std::size_t kTailBegin = offsetof(Record, MISCNUM);
static_assert(offsetof(Record, IDNUM) == sizeof(Record::TABLE) &&
              offsetof(Record, LABEL) == offsetof(Record, IDNUM) + sizeof(Record::IDNUM) &&
              offsetof(Record, NUMBER) == offsetof(Record, LABEL) + sizeof(Record::LABEL) &&
              offsetof(Record, MW) == offsetof(Record, NUMBER) + 4 * sizeof(double) &&
              offsetof(Record, USP) == offsetof(Record, MW) + sizeof(Record::MW));
static_assert(offsetof(Record, MISCSTR) == kTailBegin + sizeof(Record::MISCNUM) &&
              offsetof(Record, custom) == offsetof(Record, MISCSTR) + sizeof(Record::MISCSTR) &&
              sizeof(Record) == offsetof(Record, custom) + sizeof(Record::custom));
static_assert(sizeof(FixedText<10>) == 10 && sizeof(FixedText<20>) == 20);

bool SameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

template <typename Range>
bool SameBitsEach(const Range& a, const Range& b) {
    return std::equal(std::begin(a), std::end(a), std::begin(b),
                      [](double x, double y) { return SameBits(x, y); });
}

template <std::size_t N>
bool SameBitsEachRow(const std::array<std::array<double, 4>, N>& a,
                     const std::array<std::array<double, 4>, N>& b) {
    return std::equal(a.begin(), a.end(), b.begin(),
                      [](const auto& x, const auto& y) { return SameBitsEach(x, y); });
}

// Bytes [begin, end) of two records, compared a word at a time: every pass of
// the recalculation compares the whole design, and a library call per run
// would cost more than the comparison.
bool SameRun(const unsigned char* x, const unsigned char* y, std::size_t begin, std::size_t end) {
    std::uint64_t differ = 0;
    std::size_t at = begin;
    for (; at + sizeof differ <= end; at += sizeof differ) {
        std::uint64_t a = 0;
        std::uint64_t b = 0;
        std::memcpy(&a, x + at, sizeof a);
        std::memcpy(&b, y + at, sizeof b);
        differ |= a ^ b;
    }
    for (; at < end; ++at) {
        differ |= static_cast<std::uint64_t>(x[at] ^ y[at]);
    }
    return differ == 0;
}

// Copies a record a word at a time. Assigning the record compiles to a string
// move whose start-up, on some processors, costs several times the copy, and
// keeping up with a design copies whole tables of records.
void CopyRecord(ComponentRecord& to, const ComponentRecord& from) {
    auto* x = reinterpret_cast<unsigned char*>(&to);
    const auto* y = reinterpret_cast<const unsigned char*>(&from);
    static_assert(sizeof(ComponentRecord) % sizeof(std::uint64_t) == 0);
    for (std::size_t at = 0; at < sizeof to; at += sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, y + at, sizeof word);
        std::memcpy(x + at, &word, sizeof word);
    }
}

// Calls part(x, y, same) for each part of two designs in turn: each table
// entry, both records, each working value, the problem lists and the changed
// mark, with whether the two are bitwise the same.
template <typename DesignA, typename Part>
void ForEachPart(DesignA& a, const Design& b, Part part) {
    for (std::size_t table = 0; table < Design::kTableCount; ++table) {
        const auto entries = a.Table(table);
        const auto others = b.Table(table);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            part(entries[i], others[i], BitwiseEqual(entries[i], others[i]));
        }
    }
    part(a.DesignRecord, b.DesignRecord, BitwiseEqual(a.DesignRecord, b.DesignRecord));
    part(a.CapacityRecord, b.CapacityRecord, BitwiseEqual(a.CapacityRecord, b.CapacityRecord));
    part(a.ControlPoints, b.ControlPoints, SameBitsEach(a.ControlPoints, b.ControlPoints));
    part(a.ControlTotal, b.ControlTotal, SameBits(a.ControlTotal, b.ControlTotal));
    part(a.ControlRemaining, b.ControlRemaining, SameBits(a.ControlRemaining, b.ControlRemaining));
    part(a.WeaponFactors, b.WeaponFactors, SameBitsEachRow(a.WeaponFactors, b.WeaponFactors));
    part(a.WeaponCounts, b.WeaponCounts, SameBitsEachRow(a.WeaponCounts, b.WeaponCounts));
    part(a.SensorCodes, b.SensorCodes, a.SensorCodes == b.SensorCodes);
    part(a.Problems, b.Problems, a.Problems == b.Problems);
    part(a.BlockProblems, b.BlockProblems, a.BlockProblems == b.BlockProblems);
    part(a.DesignChanged, b.DesignChanged, a.DesignChanged == b.DesignChanged);
}

}  // namespace

bool BitwiseEqual(const ComponentRecord& a, const ComponentRecord& b) {
    const auto* x = reinterpret_cast<const unsigned char*>(&a);
    const auto* y = reinterpret_cast<const unsigned char*>(&b);
    return a.TL == b.TL && SameRun(x, y, 0, kHeadEnd) && SameRun(x, y, kTailBegin, sizeof(Record));
}

bool BitwiseEqual(const Design& a, const Design& b) {
    bool equal = true;
    ForEachPart(a, b, [&equal](const auto&, const auto&, bool same) { equal = equal && same; });
    return equal;
}

bool CopyDifferences(Design& copy, const Design& design) {
    bool changed = false;
    ForEachPart(copy, design, [&changed]<typename Part>(Part& to, const Part& from, bool same) {
        if (same) {
            return;
        }
        if constexpr (std::is_same_v<Part, ComponentRecord>) {
            CopyRecord(to, from);
        } else {
            to = from;
        }
        changed = true;
    });
    return changed;
}

}  // namespace korvane
