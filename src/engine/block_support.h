#pragma once

// Helpers shared by the blocks of the recalculation (internal to src/engine).

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "model/design.h"
#include "model/text_helpers.h"

namespace korvane::engine {

// Int: the next lower whole number.
inline double Int(double x) {
    return std::floor(x);
}

// The problems of one block. Opening a block replaces what its previous run
// found, so the list always describes the figures the block last computed.
class BlockProblems {
public:
    BlockProblems(Design& design, ProblemSource source)
        : list_(design.BlockProblems[static_cast<std::size_t>(source)]) {
        list_.clear();
    }

    void Add(std::string_view text) {
        for (const auto& known : list_) {
            if (known == text) {
                return;
            }
        }
        list_.emplace_back(text);
    }

    // numerator / denominator; a zero denominator gives 0 and records the problem.
    double Divide(double numerator, double denominator, std::string_view problem) {
        if (denominator == 0) {
            Add(problem);
            return 0;
        }
        return numerator / denominator;
    }

private:
    std::vector<std::string>& list_;
};

// The numeric value of a text field, read as typed numbers are ("3 turrets" is 3).
template <typename Text>
double NumericValue(const Text& text) {
    return LeadingNumber(text.view());
}

// Clears a slot by copying slot 0 over it.
inline void ClearSlot(Design& design, Slot slot) {
    design.Slots[slot] = design.Slots[Slot::Empty];
}

// Adds field × entry NUMBER of the four summed fields of an entry to a slot.
inline void AddScaled(ComponentRecord& slot, const ComponentRecord& entry, double weight) {
    slot.KL += weight * entry.KL * entry.NUMBER;
    slot.TONS += weight * entry.TONS * entry.NUMBER;
    slot.MW += weight * entry.MW * entry.NUMBER;
    slot.CR += weight * entry.CR * entry.NUMBER;
}

// An item-table entry counts only while its NUMBER is above 0.
inline bool Counts(const ComponentRecord& entry) {
    return entry.NUMBER > 0;
}

}  // namespace korvane::engine
