#pragma once

#include <string>
#include <vector>

#include "model/design.h"

namespace korvane {

// One thing a designer should look at though it breaks no rule and leaves the
// design valid: the section whose editor shows it ("Crew", "Weapons" …, as
// the main window names its editors) and what it is.
struct Advice {
    std::string section;
    std::string text;  // Windows-1252, as the design's labels

    // "Crew: Engineering 2, below its default 3".
    std::string Line() const { return section + ": " + text; }

    friend bool operator==(const Advice&, const Advice&) = default;
};

// The advice on a recalculated design, section by section in the main
// window's order: components of a higher tech level than the design's, crew
// positions below their defaults, and fewer berths than the crew and
// passengers (staterooms, bunks and couches for the crew and the high and mid
// passengers, low berths for the low ones).
std::vector<Advice> DesignAdvice(const Design& design);

}  // namespace korvane
