#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/design.h"
#include "ui/breakdown_chart.h"
#include "ui/controls.h"
#include "ui/design_document.h"
#include "ui/section.h"

namespace korvane::ui {

// The open design (A) beside a design read from a file (B): their totals side
// by side with the rows that differ marked, both breakdowns, the sections with
// a difference and every difference, entry by entry. It compares anew at every
// design-changed notice; design B stays as it was read.
class CompareWindow final : public DesignObserver {
public:
    CompareWindow(DesignDocument& document, Design& open_design, Design other,
                  const std::string& other_path);

    void DesignUpdated(const Design& design, const DesignChange&) override { Compare(design); }
    void Compare(const Design& open_design);

    // The section whose editor changes the part chosen among the changed
    // sections (the screens are the weapons editor's); none without a choice.
    std::optional<Section> ChosenSection() const;

    // A row of the totals: what it is, its figure in A and in B.
    struct TotalsRow {
        std::string name;
        std::string a;
        std::string b;
        bool differs = false;  // marked on the screen, in colour and with "≠"
    };

    std::string Caption;  // "Compare with " and the file's name
    Label a_heading;      // "A: the open design", its ship name under it
    Label b_heading;      // "B: " and the file's name, its ship name under it
    std::vector<TotalsRow> totals;
    BreakdownChart a_breakdown;
    BreakdownChart b_breakdown;
    Label verdict;             // "The designs are the same." or how many entries differ
    ListBox changed_sections;  // the breakdown sections with a difference (item data: the section)
    ListBox differences;       // the difference lines, as `korvane-cli diff` prints them

private:
    Design other_;
    DesignSubscription subscription_;
};

}  // namespace korvane::ui
