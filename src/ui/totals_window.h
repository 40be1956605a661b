#pragma once

#include <string>
#include <vector>

#include "engine/design_advice.h"
#include "model/design.h"
#include "ui/breakdown_chart.h"
#include "ui/controls.h"
#include "ui/design_document.h"
#include "ui/prompter.h"

namespace korvane::ui {

// The totals window beside the main window: the status summary of the
// design with its limits in red, the validity lamp, the changed mark, the
// design's problems, the advice (what a designer should look at though the
// design breaks no rule), the "%" button with the utilization message, and the
// breakdown of volume, power and cost by section, shown and hidden by its
// button. It shows the design anew at every design-changed notice.
class TotalsWindow final : public DesignObserver {
public:
    // The window with its design-time captions, titled with AppTitle().
    explicit TotalsWindow(DesignDocument& document);

    void DesignUpdated(const Design& design, const DesignChange&) override {
        ShowStatusSummary(design);
    }
    DesignDocument& Document() { return document_; }

    // Fills the labels, the lamp and the problem list from the design.
    void ShowStatusSummary(const Design& design);

    // "%": the utilization message, titled with the program's name.
    void ShowUtilization(const Design& design, Prompter& prompter) const;

    // The breakdown button: shows the breakdown under the totals, or hides it again.
    void ToggleBreakdown();

    // The main window was resized: minimised hides this window, anything else shows it.
    void MainWindowResized(bool minimised) { Visible = !minimised; }

    std::string Caption;
    Label frame{"Totals && summary"};
    Button utilization{"%"};
    Label name{"name"};
    Label legend{"AVAILABLE: USED: "};
    Label volume{"KL: 99,999,999"};
    Label power{"MW: 99,999,999.9"};
    Label hardpoints{"H'pts: 99,999"};
    Label displacement{"D: 9,999,999"};
    Label tech_level{"TL: xx"};
    Label mass{"MASS: 99,999,999.9"};
    Label cost{"MCr: 99,999.99"};
    Label agility{"Agl: 99"};
    Label cargo{"Cargo: 999,999"};
    Label changed_mark{"Changed"};
    int lamp_colour = 0;               // the validity lamp
    std::string lamp_tooltip;          // the design's problems, one per line
    Label problem_line{"", 0, false};  // the problems under the totals; hidden when there are none
    std::vector<Advice> advice;        // each naming its section
    Label advice_lines{"", 0,
                       false};  // "Advice:" and a line each, under the problems; hidden when none
    Button breakdown_button{"&Breakdown >>"};
    bool breakdown_shown = false;  // hidden at first, so that the window stays small
    BreakdownChart breakdown;
    bool Visible = false;

private:
    DesignDocument& document_;
    DesignSubscription subscription_;
};

}  // namespace korvane::ui
