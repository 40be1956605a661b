#include "model/bitwise_equal.h"

#include "model/design_changes.h"
#include "model/design_parts.h"

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

// Whether every record of the two designs is the same byte for byte, padding
// included: one library comparison per table takes a fraction of the time of
// comparing record by record. A copy kept up to date by CopyRecord has the
// padding of the design's records as well, so this holds whenever nothing
// changed; when it does not, the records are compared one by one.
bool SameRecordBytes(const Design& a, const Design& b) {
    const auto sameBytes = [](std::span<const ComponentRecord> x,
                              std::span<const ComponentRecord> y) {
        return std::memcmp(x.data(), y.data(), x.size_bytes()) == 0;
    };
    for (std::size_t table = 0; table < Design::kTableCount; ++table) {
        if (!sameBytes(a.Table(table), b.Table(table))) {
            return false;
        }
    }
    return sameBytes({&a.DesignRecord, 1}, {&b.DesignRecord, 1}) &&
           sameBytes({&a.CapacityRecord, 1}, {&b.CapacityRecord, 1});
}

}  // namespace

bool BitwiseEqual(const ComponentRecord& a, const ComponentRecord& b) {
    const auto* x = reinterpret_cast<const unsigned char*>(&a);
    const auto* y = reinterpret_cast<const unsigned char*>(&b);
    return a.TL == b.TL && SameRun(x, y, 0, kHeadEnd) && SameRun(x, y, kTailBegin, sizeof(Record));
}

bool BitwiseEqual(const Design& a, const Design& b) {
    const bool recordsSame = SameRecordBytes(a, b);
    bool equal = true;
    design_parts::ForEachPart(a, b, [&]<typename Part>(std::size_t, const Part& x, const Part& y) {
        if constexpr (std::is_same_v<Part, ComponentRecord>) {
            if (recordsSame) {
                return;
            }
        }
        equal = equal && design_parts::Same(x, y);
    });
    return equal;
}

bool CopyDifferences(Design& copy, const Design& design, DesignChanges* kept) {
    const bool recordsSame = SameRecordBytes(copy, design);
    bool changed = false;
    design_parts::ForEachPart(copy, design,
                              [&]<typename Part>(std::size_t number, Part& to, const Part& from) {
                                  if constexpr (std::is_same_v<Part, ComponentRecord>) {
                                      if (recordsSame) {
                                          return;
                                      }
                                  }
                                  if (design_parts::Same(to, from)) {
                                      return;
                                  }
                                  if (kept) {
                                      kept->Keep(number, to);
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
