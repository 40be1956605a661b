#include "ui/totals_window.h"

#include "app/session.h"
#include "engine/breakdown.h"
#include "engine/status_summary.h"
#include "reports/utilization.h"

namespace korvane::ui {

namespace {

std::string Joined(const std::vector<std::string>& lines, std::string_view separator) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) {
            text += separator;
        }
        text += line;
    }
    return text;
}

}  // namespace

TotalsWindow::TotalsWindow(DesignEvents& events)
    : Caption(AppTitle()), subscription_(events.Subscribe(*this)) {}

void TotalsWindow::ShowStatusSummary(Design& design) {
    const StatusSummary summary = korvane::ShowStatusSummary(design);
    name.caption = summary.ship_name;
    volume = {summary.volume, summary.volume_colour};
    power = {summary.power, summary.power_colour};
    hardpoints = {summary.hardpoints, summary.hardpoints_colour};
    displacement.caption = summary.displacement;
    tech_level.caption = summary.tech_level;
    mass.caption = summary.mass;
    cost.caption = summary.cost;
    agility.caption = summary.agility;
    cargo.caption = summary.cargo;
    changed_mark = {summary.changed_mark, summary.changed_mark_colour};
    lamp_colour = summary.lamp_colour;
    lamp_tooltip = Joined(summary.problems, NewLine);
    problem_line = {Joined(summary.problems, "; "), kColourRed, !summary.problems.empty()};
    breakdown = ChartOf(DesignBreakdown(design));
}

void TotalsWindow::ToggleBreakdown() {
    breakdown_shown = !breakdown_shown;
    breakdown_button.caption = breakdown_shown ? "&Breakdown <<" : "&Breakdown >>";
}

void TotalsWindow::ShowUtilization(const Design& design, Prompter& prompter) const {
    prompter.ShowMessage(kProgramName, UtilizationMessage(design), MessageIcon::Information);
}

}  // namespace korvane::ui
