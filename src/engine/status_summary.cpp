#include "engine/status_summary.h"

#include <algorithm>
#include <string_view>

#include "model/number_format.h"

namespace korvane {

namespace {

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

std::vector<std::string> DesignProblems(const Design& design) {
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

    std::vector<std::string> problems;
    auto add = [&problems](const std::string& text) {
        if (std::find(problems.begin(), problems.end(), text) == problems.end()) {
            problems.push_back(text);
        }
    };
    for (const auto& block : design.BlockProblems) {
        std::for_each(block.begin(), block.end(), add);
    }
    std::for_each(limit_breaks.begin(), limit_breaks.end(), add);
    return problems;
}

void CheckDesignLimits(Design& design) {
    design.Problems = DesignProblems(design);
    design.DesignValid() = design.Problems.empty() ? 1 : 0;
}

StatusSummary ShowStatusSummary(Design& design) {
    CheckDesignLimits(design);
    return SummaryOf(design);
}

StatusSummary SummaryOf(const Design& design) {
    StatusSummary summary;
    summary.ship_name = design.ShipName();
    summary.ship_type = design.Slots[Slot::ShipType].LABEL.trimmed();
    summary.tech_level = design.DesignTL();
    summary.hull_kl = design.HullKL();
    summary.used_kl = design.UsedKL();
    summary.available_mw = design.AvailableMW();
    summary.used_mw = design.UsedMW();
    summary.hardpoints = design.Hardpoints();
    summary.used_hardpoints = design.UsedHardpoints();
    summary.total_tons = design.TotalTons();
    summary.total_cr = design.TotalCr();
    summary.agility = design.Slots[Slot::ManeuverDrive].MISCNUM[1];
    summary.volume_over = summary.used_kl > summary.hull_kl;
    summary.power_over = summary.used_mw > summary.available_mw;
    summary.hardpoints_over = summary.used_hardpoints > summary.hardpoints;
    summary.problems = DesignProblems(design);
    summary.valid = summary.problems.empty();
    summary.changed = design.DesignChanged;
    return summary;
}

void MarkChanged(Design& design) {
    design.DesignChanged = true;
}

void MarkSaved(Design& design) {
    design.DesignChanged = false;
}

}  // namespace korvane
