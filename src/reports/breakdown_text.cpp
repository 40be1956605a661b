#include "reports/breakdown_text.h"

#include <string_view>

#include "model/number_format.h"

namespace korvane {

namespace {

std::string_view PatternOf(BreakdownQuantity quantity) {
    switch (quantity) {
        case BreakdownQuantity::Volume:
            return "#,##0";
        case BreakdownQuantity::Power:
            return "#,##0.0";
        case BreakdownQuantity::Cost:
            break;
    }
    return "#,##0.00";
}

constexpr std::size_t kNameWidth = 24;
constexpr std::size_t kColumnWidth = 14;

void AppendRight(std::string& line, const std::string& text, std::size_t width) {
    if (text.size() < width) {
        line.append(width - text.size(), ' ');
    }
    line += text;
}

std::string TableLine(std::string_view name, const SectionFigures& figures) {
    std::string line = "  " + std::string(name);
    line.resize(2 + kNameWidth, ' ');
    for (const BreakdownQuantity quantity : kBreakdownQuantities) {
        AppendRight(line, FormatPattern(FigureOf(figures, quantity), PatternOf(quantity)),
                    kColumnWidth);
    }
    return line + "\n";
}

}  // namespace

std::string BreakdownFigureText(BreakdownQuantity quantity, double figure) {
    return FormatPattern(figure, PatternOf(quantity)) + " " + std::string(QuantityUnit(quantity));
}

std::string BreakdownShareText(double figure, double total) {
    if (!(total > 0)) {
        return "n/a";
    }
    return FormatPattern(figure / total * 100, "0.0") + "%";
}

std::string BreakdownTable(const Breakdown& breakdown) {
    std::string table = "Breakdown:";
    table.resize(2 + kNameWidth, ' ');
    for (const BreakdownQuantity quantity : kBreakdownQuantities) {
        AppendRight(table, std::string(QuantityUnit(quantity)), kColumnWidth);
    }
    table += "\n";
    for (std::size_t s = 0; s < kBreakdownSectionCount; ++s) {
        table += TableLine(BreakdownSectionName(static_cast<BreakdownSection>(s)),
                           breakdown.sections[s]);
    }
    return table + TableLine("Total", breakdown.total);
}

}  // namespace korvane
