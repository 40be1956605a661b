#pragma once

#include <string>
#include <vector>

#include "engine/breakdown.h"
#include "model/design.h"
#include "ui/editor_table.h"

namespace korvane::ui {

// A node of the designer's outline: an editor of the table of editors, with
// its share of the design's volume, power or cost ("12%"; empty for an
// editor whose figures its parent counts) and whether a problem of the
// design concerns it.
struct OutlineNode {
    EditorId id;
    std::string share;
    bool has_problem = false;
};

// The outline of a recalculated design, one node per editor in the table's order.
std::vector<OutlineNode> DesignOutline(const Design& design, BreakdownQuantity quantity);

// A line about the design (a problem, advice) with the editor of the section
// it concerns, where it is put right.
struct SectionLink {
    std::string text;
    EditorId editor;
};

// The design's problems (Design::Problems, in its order), each with the
// editor of the block that found it; a broken limit goes to the editor of
// what breaks it: volume to the hull, power to the power plant, hardpoints
// to the weapons.
std::vector<SectionLink> ProblemLinks(const Design& design);

// The design's advice (DesignAdvice), each line with the editor of the section it names.
std::vector<SectionLink> AdviceLinks(const Design& design);

}  // namespace korvane::ui
