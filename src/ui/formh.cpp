#include "ui/formh.h"

#include "app/session.h"
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

Formh::Formh() : Caption(AppTitle()) {}

void Formh::ShowStatusSummary(Design& design) {
    const StatusSummary summary = korvane::ShowStatusSummary(design);
    Label1.caption = summary.Label1;
    Label3 = {summary.Label3, summary.Label3Colour};
    Label4 = {summary.Label4, summary.Label4Colour};
    Label5 = {summary.Label5, summary.Label5Colour};
    Label6.caption = summary.Label6;
    Label7.caption = summary.Label7;
    Label8.caption = summary.Label8;
    Label9.caption = summary.Label9;
    Label10.caption = summary.Label10;
    Label11.caption = summary.Label11;
    Label12 = {summary.Label12, summary.Label12Colour};
    Shape1Colour = summary.Shape1Colour;
    Shape1ToolTip = Joined(summary.Problems, NewLine);
    ProblemLine = {Joined(summary.Problems, "; "), kColourRed, !summary.Problems.empty()};
}

void Formh::ShowChangedMark(const Design& design) {
    const ChangedMark mark = ChangedMarkOf(design);
    Label12 = {mark.caption, mark.colour};
}

void Formh::ShowUtilization(const Design& design, Prompter& prompter) const {
    prompter.ShowMessage(kProgramName, UtilizationMessage(design), MessageIcon::Information);
}

}  // namespace korvane::ui
