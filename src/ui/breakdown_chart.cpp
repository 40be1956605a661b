#include "ui/breakdown_chart.h"

#include "reports/breakdown_text.h"

namespace korvane::ui {

namespace {

std::string_view QuantityName(BreakdownQuantity quantity) {
    switch (quantity) {
        case BreakdownQuantity::Volume:
            return "Volume";
        case BreakdownQuantity::Power:
            return "Power";
        case BreakdownQuantity::Cost:
            break;
    }
    return "Cost";
}

}  // namespace

BreakdownChart ChartOf(const Breakdown& breakdown) {
    BreakdownChart chart;
    for (std::size_t q = 0; q < chart.bars.size(); ++q) {
        const BreakdownQuantity quantity = kBreakdownQuantities[q];
        const double total = FigureOf(breakdown.total, quantity);
        ChartBar& bar = chart.bars[q];
        bar.caption =
            std::string(QuantityName(quantity)) + ": " + BreakdownFigureText(quantity, total);
        for (std::size_t s = 0; s < kBreakdownSectionCount; ++s) {
            const double value = FigureOf(breakdown.sections[s], quantity);
            if (!(value > 0)) {
                continue;
            }
            const auto section = static_cast<BreakdownSection>(s);
            bar.segments.push_back({section, value,
                                    std::string(BreakdownSectionName(section)) + ": " +
                                        BreakdownFigureText(quantity, value) + " (" +
                                        BreakdownShareText(value, total) + ")"});
        }
    }
    return chart;
}

std::string_view ShortSectionName(BreakdownSection section) {
    static constexpr std::string_view kNames[kBreakdownSectionCount] = {
        "Hull", "Plant", "Drives", "Elec", "Weap", "Scrn", "Ctrl", "Crew", "Craft", "Other"};
    const auto index = static_cast<std::size_t>(section);
    return index < kBreakdownSectionCount ? kNames[index] : kNames[kBreakdownSectionCount - 1];
}

}  // namespace korvane::ui
