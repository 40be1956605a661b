#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "model/design.h"
#include "model/design_parts.h"

namespace korvane {

// The parts of a design that one change touched, each as it was before the
// change: what an undo step keeps instead of the whole design. Swapping them
// with the design's takes the change back, and swapping again makes it again.
class DesignChanges {
public:
    // Keeps part `number` (see design_parts) as `before`, unless it is kept
    // already: a part keeps the value it had before its first change.
    template <typename Part>
    void Keep(std::size_t number, const Part& before) {
        if (!kept_.test(number)) {
            if (parts_.empty()) {
                parts_.reserve(kUsualParts);
            }
            kept_.set(number);
            parts_.emplace_back(number, Value(std::in_place_type<Part>, before));
        }
    }

    // Takes over the parts `later` kept that these changes did not: the parts
    // only a later change touched, as they were before it and so before these.
    // The changes then take back both.
    void Fold(DesignChanges&& later);

    // Whether any kept part differs from the design's: a part may have changed
    // and come back.
    bool DiffersFrom(const Design& design) const;

    // Exchanges the kept parts with the design's.
    void SwapWith(Design& design);

    // The numbers of the kept parts: the parts the change touched.
    const std::bitset<design_parts::kPartCount>& KeptParts() const { return kept_; }

    // The memory the kept parts hold.
    std::size_t HeldBytes() const;

private:
    // A change of one entry touches about a dozen parts: the entry, the slots
    // it feeds, the totals and the working values.
    static constexpr std::size_t kUsualParts = 16;

    using Value = std::variant<ComponentRecord, double, bool, std::array<double, 9>,
                               std::array<std::array<double, 4>, 13>, std::array<std::string, 7>,
                               std::vector<std::string>,
                               std::array<std::vector<std::string>, kProblemSourceCount>>;

    Value& ValueOf(std::size_t number);
    const Value& ValueOf(std::size_t number) const;

    std::bitset<design_parts::kPartCount> kept_;
    std::vector<std::pair<std::size_t, Value>> parts_;
};

}  // namespace korvane
