#include "ui/totals_window.h"

#include "app/session.h"
#include "engine/breakdown.h"
#include "engine/status_summary.h"
#include "reports/status_captions.h"
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

TotalsWindow::TotalsWindow(DesignDocument& document)
    : Caption(AppTitle()), document_(document), subscription_(document.Subscribe(*this)) {}

void TotalsWindow::ShowStatusSummary(const Design& design) {
    const StatusSummary summary = SummaryOf(design);
    const StatusCaptions captions = CaptionsOf(summary);
    const auto colour = [](bool over) { return over ? kColourRed : kColourBlack; };
    name.caption = captions.ship_name;
    volume = {captions.volume, colour(summary.volume_over)};
    power = {captions.power, colour(summary.power_over)};
    hardpoints = {captions.hardpoints, colour(summary.hardpoints_over)};
    displacement.caption = captions.displacement;
    tech_level.caption = captions.tech_level;
    mass.caption = captions.mass;
    cost.caption = captions.cost;
    agility.caption = captions.agility;
    cargo.caption = captions.cargo;
    changed_mark = {captions.changed_mark, summary.changed ? kColourRed : kColourGreen};
    lamp_colour = summary.valid ? kColourGreen : kColourRed;
    lamp_tooltip = Joined(summary.problems, NewLine);
    problem_line = {Joined(summary.problems, "; "), kColourRed, !summary.problems.empty()};
    advice = DesignAdvice(design);
    std::vector<std::string> lines{"Advice:"};
    for (const Advice& line : advice) {
        lines.push_back(line.Line());
    }
    advice_lines = {Joined(lines, "\n"), kColourBlack, !advice.empty()};
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
