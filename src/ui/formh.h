#pragma once

#include <string>

#include "app/prompter.h"
#include "model/design.h"
#include "ui/controls.h"

namespace korvane::ui {

// FORMH, the totals window beside the main window: the status summary of the
// design with its limits in red, the validity lamp, the changed mark, the
// design's problems, and the "%" button with the utilization message.
class Formh {
public:
    // The window with its design-time captions, titled with AppTitle().
    Formh();

    // Fills the labels, the lamp and the problem list from the design (and
    // settles DesignValid and the problem list, as the status summary does).
    void ShowStatusSummary(Design& design);
    // The changed mark alone: "Changed" in red or "Saved" in green.
    void ShowChangedMark(const Design& design);

    // "%": the utilization message, titled with the program's name.
    void ShowUtilization(const Design& design, Prompter& prompter) const;

    // The window stands at the top of the screen against its right edge.
    struct Position {
        int left = 0;
        int top = 0;
    };
    static Position Placement(int screen_width, int window_width) {
        return {screen_width - window_width, 0};
    }

    // The main window was resized: minimised hides this window, anything else shows it.
    void MainWindowResized(bool minimised) { Visible = !minimised; }

    std::string Caption;
    Label Frame3D1{"Totals && summary"};
    Button Command1{"%"};
    Label Label1{"name"};
    Label Label2{"AVAILABLE: USED: "};
    Label Label3{"KL: 99,999,999"};
    Label Label4{"MW: 99,999,999.9"};
    Label Label5{"H'pts: 99,999"};
    Label Label6{"D: 9,999,999"};
    Label Label7{"TL: xx"};
    Label Label8{"MASS: 99,999,999.9"};
    Label Label9{"MCr: 99,999.99"};
    Label Label10{"Agl: 99"};
    Label Label11{"Cargo: 999,999"};
    Label Label12{"Changed"};
    int Shape1Colour = 0;             // the validity lamp
    std::string Shape1ToolTip;        // the design's problems, one per line
    Label ProblemLine{"", 0, false};  // the problems under the totals; hidden when there are none
    bool Visible = false;
};

}  // namespace korvane::ui
