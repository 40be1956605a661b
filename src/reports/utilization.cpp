#include "reports/utilization.h"

#include <string_view>

#include "model/number_format.h"

namespace korvane {

namespace {

constexpr std::string_view kNewLine = "\r\n";

std::string ShareLine(std::string_view what, double used, double available) {
    std::string line(what);
    line += ": ";
    if (available > 0) {
        line += FormatPattern(used / available * 100, "###.#");
        line += "% used";
    } else {
        line += "n/a";
    }
    line += kNewLine;
    return line;
}

}  // namespace

std::string UtilizationMessage(const Design& design) {
    std::string text = "Utilization";
    text += kNewLine;
    text += kNewLine;
    text += ShareLine("Volume", design.UsedKL(), design.HullKL());
    text += ShareLine("Power", design.UsedMW(), design.AvailableMW());
    text += ShareLine("Hardpoints", design.UsedHardpoints(), design.Hardpoints());
    return text;
}

}  // namespace korvane
