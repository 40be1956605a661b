#include "engine/status_summary.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "reports/number_format.h"

namespace korvane {

namespace {

constexpr std::string_view kNewLine = "\r\n";

// A never-set text field is written with blanks for its NULs.
std::string Shown(std::string text) {
    std::replace(text.begin(), text.end(), '\0', ' ');
    return text;
}

// "Volume used exceeds the hull" style texts for each broken limit.
std::string LimitText(std::string_view what, double used, double available, std::string_view unit,
                      std::string_view pattern) {
    std::string text(what);
    text += ": ";
    text += FormatPattern(used, pattern);
    text += unit;
    text += " used, ";
    text += FormatPattern(available, pattern);
    text += unit;
    text += " available";
    return text;
}

}  // namespace

StatusSummary ShowStatusSummary(Design& design) {
    StatusSummary summary;
    std::vector<std::string> limitBreaks;
    design.DesignValid() = 1;

    const std::string slot31 = design.Slots[31].LABEL.trimmed();
    summary.Label1 = Shown(design.ShipName() + " (" + slot31 + ")");
    summary.Label7 = "TL: " + PlainNumber(design.DesignTL());

    const double hullKL = design.HullKL();
    const double usedKL = design.UsedKL();
    if (usedKL > hullKL) {
        summary.Label3Colour = kColourRed;
        design.DesignValid() = 0;
        limitBreaks.push_back(
            LimitText("Volume used exceeds the hull", usedKL, hullKL, " kl", "#,##0.0"));
    }
    summary.Label3 = "KL: " + FormatPattern(hullKL, "##,###,###") + std::string(kNewLine) +
                     "KL: " + FormatPattern(usedKL, "##,###,###") + std::string(kNewLine);

    summary.Label6 = "D: " + FormatPattern(hullKL / 13.5, "##,###,###") + std::string(kNewLine) +
                     "D: " + FormatPattern(usedKL / 13.5, "##,###,###") + std::string(kNewLine);

    const double availableMW = design.AvailableMW();
    const double usedMW = design.UsedMW();
    if (usedMW > availableMW) {
        summary.Label4Colour = kColourRed;
        design.DesignValid() = 0;
        limitBreaks.push_back(LimitText("Power used exceeds the power plant's output", usedMW,
                                        availableMW, " MW", "#,##0.0"));
    }
    summary.Label4 = "MW: " + FormatPattern(availableMW, "##,###,###") + std::string(kNewLine) +
                     "MW: " + FormatPattern(usedMW, "##,###,###") + std::string(kNewLine);

    const double hardpoints = design.Hardpoints();
    const double usedHardpoints = design.UsedHardpoints();
    if (usedHardpoints > hardpoints) {
        summary.Label5Colour = kColourRed;
        design.DesignValid() = 0;
        limitBreaks.push_back(LimitText("Hardpoints used exceed the hull's hardpoints",
                                        usedHardpoints, hardpoints, "", "#,##0"));
    }
    summary.Label5 = "H'pts: " + FormatPattern(hardpoints, "#,###") + std::string(kNewLine) +
                     "H'pts: " + FormatPattern(usedHardpoints, "#,###") + std::string(kNewLine);

    summary.Label8 = "Mass: " + FormatPattern(design.TotalTons(), "##,###,###");
    summary.Label9 = "MCr: " + FormatPattern(design.TotalCr() / 1000000, "###,###");
    summary.Label10 = "Ag: " + PlainNumber(design.Slots[8].MISCNUM[1]);
    summary.Label11 =
        "Cargo: " + FormatPattern(std::floor(hullKL / 13.5 - usedKL / 13.5), "###,###");

    // The design's full problem list: each block's (in block order, no repeats), then the limits.
    design.Problems.clear();
    auto add = [&design](const std::string& text) {
        if (std::find(design.Problems.begin(), design.Problems.end(), text) ==
            design.Problems.end()) {
            design.Problems.push_back(text);
        }
    };
    for (const auto& block : design.BlockProblems) {
        std::for_each(block.begin(), block.end(), add);
    }
    std::for_each(limitBreaks.begin(), limitBreaks.end(), add);
    if (!design.Problems.empty()) {
        design.DesignValid() = 0;
    }
    summary.Problems = design.Problems;

    summary.Shape1Colour = design.DesignValid() != 0 ? kColourGreen : kColourRed;
    const ChangedMark mark = ChangedMarkOf(design);
    summary.Label12 = mark.caption;
    summary.Label12Colour = mark.colour;
    return summary;
}

ChangedMark ChangedMarkOf(const Design& design) {
    return design.DesignChanged ? ChangedMark{"Changed", kColourRed}
                                : ChangedMark{"Saved", kColourGreen};
}

void MarkChanged(Design& design) {
    design.DesignChanged = true;
}

void MarkSaved(Design& design) {
    design.DesignChanged = false;
}

}  // namespace korvane
