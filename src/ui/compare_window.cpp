#include "ui/compare_window.h"

#include <algorithm>

#include "engine/breakdown.h"
#include "engine/design_diff.h"
#include "engine/profile_code.h"
#include "files/path_utils.h"
#include "model/cp1252.h"
#include "model/number_format.h"
#include "model/text_helpers.h"
#include "reports/difference_text.h"
#include "ui/controls.h"
#include "ui/editor_table.h"

namespace korvane::ui {

namespace {

struct TotalsLine {
    const char* name;
    std::string (*shown)(const Design&);
};

std::string Pattern(double x, std::string_view pattern, std::string_view unit = {}) {
    std::string text = FormatPattern(x, pattern);
    return unit.empty() ? text : text + " " + std::string(unit);
}

// The figures of the totals window, in its order and units.
const TotalsLine kTotalsLines[] = {
    {"Hull volume", [](const Design& d) { return Pattern(d.HullKL(), "#,##0", "KL"); }},
    {"Volume used", [](const Design& d) { return Pattern(d.UsedKL(), "#,##0", "KL"); }},
    {"Power available", [](const Design& d) { return Pattern(d.AvailableMW(), "#,##0.0", "MW"); }},
    {"Power used", [](const Design& d) { return Pattern(d.UsedMW(), "#,##0.0", "MW"); }},
    {"Hardpoints", [](const Design& d) { return Pattern(d.Hardpoints(), "#,##0"); }},
    {"Hardpoints used", [](const Design& d) { return Pattern(d.UsedHardpoints(), "#,##0"); }},
    {"Mass", [](const Design& d) { return Pattern(d.TotalTons(), "#,##0.0", "tons"); }},
    {"Cost", [](const Design& d) { return Pattern(d.TotalCr() / 1'000'000, "#,##0.00", "MCr"); }},
    {"Agility",
     [](const Design& d) { return PlainNumber(d.Slots[Slot::ManeuverDrive].MISCNUM[1]); }},
    {"Tech level", [](const Design& d) { return PlainNumber(d.DesignTL()); }},
    {"Profile code", [](const Design& d) { return ShownText(BuildProfileCode(d)); }},
    {"Problems", [](const Design& d) { return std::to_string(d.Problems.size()); }},
};

}  // namespace

CompareWindow::CompareWindow(DesignDocument& document, Design& open_design, Design other,
                             const std::string& other_path)
    : other_(std::move(other)) {
    const std::string file_name =
        Cp1252FromUtf8(other_path.substr(static_cast<std::size_t>(LastSeparatorPos(other_path))));
    Caption = "Compare with " + file_name;
    b_heading.caption = "B: " + file_name + "\r\n" + ShownText(other_.ShipName());
    b_breakdown = ChartOf(DesignBreakdown(other_));
    Compare(open_design);
    subscription_ = document.Subscribe(*this);
}

void CompareWindow::Compare(const Design& open_design) {
    a_heading.caption = "A: the open design\r\n" + ShownText(open_design.ShipName());
    totals.clear();
    for (const TotalsLine& line : kTotalsLines) {
        TotalsRow row{line.name, line.shown(open_design), line.shown(other_)};
        row.differs = row.a != row.b;
        totals.push_back(std::move(row));
    }
    a_breakdown = ChartOf(DesignBreakdown(open_design));

    const DesignDifferences found = CompareDesigns(open_design, other_);
    changed_sections.Clear();
    for (const BreakdownSection section : found.ChangedSections()) {
        changed_sections.AddItem(std::string(BreakdownSectionName(section)),
                                 static_cast<int>(section));
    }
    differences.Clear();
    for (std::string& line : DifferenceLines(found)) {
        differences.AddItem(std::move(line));
    }
    verdict = {DifferenceSummary(found), found.Same() ? kColourGreen : kColourRed};
}

std::optional<Section> CompareWindow::ChosenSection() const {
    const std::optional<int> row = changed_sections.Selected();
    if (!row) {
        return std::nullopt;
    }
    const auto part = static_cast<BreakdownSection>(changed_sections.ItemData(*row));
    for (const EditorEntry& editor : Editors()) {
        if (editor.section && std::ranges::find(editor.breakdown, part) != editor.breakdown.end()) {
            return editor.section;
        }
    }
    return std::nullopt;
}

}  // namespace korvane::ui
