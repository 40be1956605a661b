#pragma once

#include <array>
#include <cstdint>

#include "model/fixed_text.h"

namespace korvane {

// The fixed layout of every catalog row and every design entry.
struct ComponentRecord {
    FixedText<2> TABLE;
    std::int16_t IDNUM = 0;
    FixedText<20> LABEL;
    double NUMBER = 0;
    double KL = 0;
    double TONS = 0;
    double CR = 0;
    double MW = 0;
    FixedText<1> USP;
    std::int16_t TL = 0;
    std::array<double, 11> MISCNUM{};         // MISCNUM0 … MISCNUM10
    std::array<FixedText<10>, 11> MISCSTR{};  // MISCSTR0 … MISCSTR10
    std::int16_t custom = 0;

    friend bool operator==(const ComponentRecord&, const ComponentRecord&) = default;
};

// The never-written empty record: copied over an entry to clear it; a key that
// is not in the catalog reads as this record.
inline const ComponentRecord BlankRecord{};

// An entry is empty while its label is the blank record's (20 NUL bytes).
inline bool IsEmptyEntry(const ComponentRecord& record) {
    return record.LABEL == BlankRecord.LABEL;
}

}  // namespace korvane
