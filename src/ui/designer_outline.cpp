#include "ui/designer_outline.h"

#include <algorithm>
#include <optional>
#include <ranges>

#include "engine/design_advice.h"
#include "model/number_format.h"

namespace korvane::ui {

namespace {

std::string ShareText(const Breakdown& breakdown, const EditorEntry& entry,
                      BreakdownQuantity quantity) {
    const double whole = FigureOf(breakdown.total, quantity);
    if (entry.breakdown.empty() || whole <= 0) {
        return {};
    }
    double part = 0;
    for (const BreakdownSection section : entry.breakdown) {
        part += FigureOf(breakdown[section], quantity);
    }
    return FormatPattern(100 * part / whole, "0") + "%";
}

// The most particular editor: an editor led on to comes after the one it is led on from.
std::optional<EditorId> EditorOfProblem(const Design& design, const std::string& text) {
    for (const EditorEntry& entry : std::views::reverse(Editors())) {
        for (const ProblemSource source : entry.problems) {
            const auto& found = design.BlockProblems[static_cast<std::size_t>(source)];
            if (std::find(found.begin(), found.end(), text) != found.end()) {
                return entry.id;
            }
        }
    }
    return std::nullopt;
}

// The limits the status summary adds after the blocks' problems.
EditorId EditorOfLimit(const std::string& text) {
    if (text.starts_with("Power")) {
        return EditorId::Power;
    }
    if (text.starts_with("Hardpoints")) {
        return EditorId::Weapons;
    }
    return EditorId::Hull;
}

}  // namespace

std::vector<OutlineNode> DesignOutline(const Design& design, BreakdownQuantity quantity) {
    const Breakdown breakdown = DesignBreakdown(design);
    std::vector<OutlineNode> outline;
    outline.reserve(kEditorCount);
    for (const EditorEntry& entry : Editors()) {
        outline.push_back({entry.id, ShareText(breakdown, entry, quantity)});
    }
    // A problem marks its editor and the editor that leads on to it.
    for (const SectionLink& link : ProblemLinks(design)) {
        for (std::optional<EditorId> marked = link.editor; marked;
             marked = EntryOf(*marked).parent) {
            outline[static_cast<std::size_t>(*marked)].has_problem = true;
        }
    }
    return outline;
}

std::vector<SectionLink> ProblemLinks(const Design& design) {
    std::vector<SectionLink> links;
    links.reserve(design.Problems.size());
    for (const std::string& text : design.Problems) {
        links.push_back({text, EditorOfProblem(design, text).value_or(EditorOfLimit(text))});
    }
    return links;
}

std::vector<SectionLink> AdviceLinks(const Design& design) {
    std::vector<SectionLink> links;
    for (const Advice& advice : DesignAdvice(design)) {
        const auto& editors = Editors();
        const auto named =
            std::find_if(editors.begin(), editors.end(), [&](const EditorEntry& entry) {
                return !entry.parent && entry.name == advice.section;
            });
        links.push_back({advice.text, named != editors.end() ? named->id : EditorId::Hull});
    }
    return links;
}

}  // namespace korvane::ui
