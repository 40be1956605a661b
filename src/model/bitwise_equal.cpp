#include "model/bitwise_equal.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

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

bool SameRecords(std::span<const ComponentRecord> a, std::span<const ComponentRecord> b) {
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(),
        [](const ComponentRecord& x, const ComponentRecord& y) { return BitwiseEqual(x, y); });
}

}  // namespace

bool BitwiseEqual(const ComponentRecord& a, const ComponentRecord& b) {
    const auto* x = reinterpret_cast<const unsigned char*>(&a);
    const auto* y = reinterpret_cast<const unsigned char*>(&b);
    return a.TL == b.TL && std::memcmp(x, y, kHeadEnd) == 0 &&
           std::memcmp(x + kTailBegin, y + kTailBegin, sizeof(Record) - kTailBegin) == 0;
}

bool BitwiseEqual(const Design& a, const Design& b) {
    for (std::size_t table = 0; table < Design::kTableCount; ++table) {
        if (!SameRecords(a.Table(table), b.Table(table))) {
            return false;
        }
    }
    if (!BitwiseEqual(a.DesignRecord, b.DesignRecord) ||
        !BitwiseEqual(a.CapacityRecord, b.CapacityRecord)) {
        return false;
    }
    if (!SameBitsEach(a.ControlPoints, b.ControlPoints) ||
        !SameBits(a.ControlTotal, b.ControlTotal) ||
        !SameBits(a.ControlRemaining, b.ControlRemaining)) {
        return false;
    }
    for (std::size_t type = 0; type < a.WeaponFactors.size(); ++type) {
        if (!SameBitsEach(a.WeaponFactors[type], b.WeaponFactors[type]) ||
            !SameBitsEach(a.WeaponCounts[type], b.WeaponCounts[type])) {
            return false;
        }
    }
    return a.SensorCodes == b.SensorCodes && a.Problems == b.Problems &&
           a.BlockProblems == b.BlockProblems && a.DesignChanged == b.DesignChanged;
}

}  // namespace korvane
