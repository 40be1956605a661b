#include "engine/status_summary.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "model/number_format.h"

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

void CheckDesignLimits(Design& design) {
    std::vector<std::string> limit_breaks;
    if (design.UsedKL() > design.HullKL()) {
        limit_breaks.push_back(LimitText("Volume used exceeds the hull", design.UsedKL(),
                                         design.HullKL(), " kl", "#,##0.0"));
    }
    if (design.UsedMW() > design.AvailableMW()) {
        limit_breaks.push_back(LimitText("Power used exceeds the power plant's output",
                                         design.UsedMW(), design.AvailableMW(), " MW", "#,##0.0"));
    }
    if (design.UsedHardpoints() > design.Hardpoints()) {
        limit_breaks.push_back(LimitText("Hardpoints used exceed the hull's hardpoints",
                                         design.UsedHardpoints(), design.Hardpoints(), "",
                                         "#,##0"));
    }

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
    std::for_each(limit_breaks.begin(), limit_breaks.end(), add);
    design.DesignValid() = design.Problems.empty() ? 1 : 0;
}

StatusSummary ShowStatusSummary(Design& design) {
    CheckDesignLimits(design);
    StatusSummary summary;
    const auto colour = [](bool broken) { return broken ? kColourRed : kColourBlack; };
    const std::string newline(kNewLine);

    const std::string slot31 = design.Slots[Slot::ShipType].LABEL.trimmed();
    summary.ship_name = Shown(design.ShipName() + " (" + slot31 + ")");
    summary.tech_level = "TL: " + PlainNumber(design.DesignTL());

    const double hullKL = design.HullKL();
    const double usedKL = design.UsedKL();
    summary.volume_colour = colour(usedKL > hullKL);
    summary.volume = "KL: " + FormatPattern(hullKL, "##,###,###") + newline +
                     "KL: " + FormatPattern(usedKL, "##,###,###") + newline;
    summary.displacement = "D: " + FormatPattern(hullKL / 13.5, "##,###,###") + newline +
                           "D: " + FormatPattern(usedKL / 13.5, "##,###,###") + newline;

    summary.power_colour = colour(design.UsedMW() > design.AvailableMW());
    summary.power = "MW: " + FormatPattern(design.AvailableMW(), "##,###,###") + newline +
                    "MW: " + FormatPattern(design.UsedMW(), "##,###,###") + newline;

    summary.hardpoints_colour = colour(design.UsedHardpoints() > design.Hardpoints());
    summary.hardpoints = "H'pts: " + FormatPattern(design.Hardpoints(), "#,###") + newline +
                         "H'pts: " + FormatPattern(design.UsedHardpoints(), "#,###") + newline;

    summary.mass = "Mass: " + FormatPattern(design.TotalTons(), "##,###,###");
    summary.cost = "MCr: " + FormatPattern(design.TotalCr() / 1000000, "###,###");
    summary.agility = "Ag: " + PlainNumber(design.Slots[Slot::ManeuverDrive].MISCNUM[1]);
    summary.cargo = "Cargo: " + FormatPattern(std::floor(hullKL / 13.5 - usedKL / 13.5), "###,###");

    summary.problems = design.Problems;
    summary.lamp_colour = design.DesignValid() != 0 ? kColourGreen : kColourRed;
    const ChangedMark mark = ChangedMarkOf(design);
    summary.changed_mark = mark.caption;
    summary.changed_mark_colour = mark.colour;
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
