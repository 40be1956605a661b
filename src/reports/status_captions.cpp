#include "reports/status_captions.h"

#include <algorithm>
#include <cmath>

#include "model/number_format.h"
#include "model/program_identity.h"

namespace korvane {

namespace {

// A never-set text field is written with blanks for its NULs.
std::string Shown(std::string text) {
    std::replace(text.begin(), text.end(), '\0', ' ');
    return text;
}

std::string TwoLines(const std::string& label, double available, double used,
                     std::string_view pattern) {
    return label + FormatPattern(available, pattern) + NewLine + label +
           FormatPattern(used, pattern) + NewLine;
}

}  // namespace

StatusCaptions CaptionsOf(const StatusSummary& summary) {
    constexpr std::string_view kFigures = "##,###,###";
    StatusCaptions captions;
    captions.ship_name = Shown(summary.ship_name + " (" + summary.ship_type + ")");
    captions.tech_level = "TL: " + PlainNumber(summary.tech_level);
    captions.volume = TwoLines("KL: ", summary.hull_kl, summary.used_kl, kFigures);
    captions.displacement =
        TwoLines("D: ", summary.hull_kl / kKlPerTon, summary.used_kl / kKlPerTon, kFigures);
    captions.power = TwoLines("MW: ", summary.available_mw, summary.used_mw, kFigures);
    captions.hardpoints = TwoLines("H'pts: ", summary.hardpoints, summary.used_hardpoints, "#,###");
    captions.mass = "Mass: " + FormatPattern(summary.total_tons, kFigures);
    captions.cost = "MCr: " + FormatPattern(summary.total_cr / 1000000, "###,###");
    captions.agility = "Ag: " + PlainNumber(summary.agility);
    captions.cargo =
        "Cargo: " +
        FormatPattern(std::floor(summary.hull_kl / kKlPerTon - summary.used_kl / kKlPerTon),
                      "###,###");
    captions.changed_mark = summary.changed ? "Changed" : "Saved";
    return captions;
}

}  // namespace korvane
