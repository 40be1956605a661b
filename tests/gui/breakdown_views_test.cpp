#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/new_design.h"
#include "engine/recalculate.h"
#include "gui/breakdown_chart_view.h"
#include "gui/child_widget.h"
#include "gui/compare_window_view.h"
#include "gui/modal_watchdog.h"
#include "gui/totals_window_view.h"
#include "model/standard_catalog.h"
#include "support/scripted_prompter.h"

namespace korvane::gui_test {
namespace {

using gui::BreakdownChartView;
using gui::CompareWindowView;
using gui::SectionColour;
using gui::SectionPattern;
using gui::TotalsWindowView;

// A design with something in every bar: the new design with turrets and
// staterooms added.
Design ArmedDesign(Catalog& catalog, double turrets) {
    Design design;
    NewDesign(design, catalog);
    design.Turrets[1] = catalog.LookupComponent("TR", 1);
    design.Turrets[1].NUMBER = turrets;
    design.Accommodations[1] = catalog.LookupComponent("AC", 1);
    design.Accommodations[1].NUMBER = 4;
    Recalculate(design, catalog);
    return design;
}

// Whether the section's own colour shows inside the rectangle (between the
// lines of its hatching and around the name on it).
bool ShowsColour(const QImage& image, const QRectF& rect, const QColor& colour) {
    const QRect inside = rect.toAlignedRect().adjusted(2, 2, -2, -2);
    for (int x = inside.left(); x <= inside.right(); ++x) {
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            if (image.pixelColor(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

TEST(BreakdownChartView, EachSegmentIsItsSectionsShareDrawnInItsColourWithItsTooltip) {
    Catalog catalog(StandardCatalogRows());
    const Design design = ArmedDesign(catalog, 3);
    const ui::BreakdownChart chart = ui::ChartOf(DesignBreakdown(design));
    BreakdownChartView view;
    view.resize(600, view.sizeHint().height());
    view.SetChart(chart);
    const QImage image = view.grab().toImage();

    std::size_t at = 0;
    for (const ui::ChartBar& bar : chart.bars) {
        double sum = 0;
        for (const ui::ChartSegment& segment : bar.segments) {
            sum += segment.value;
        }
        for (const ui::ChartSegment& segment : bar.segments) {
            ASSERT_LT(at, view.Segments().size());
            const BreakdownChartView::Segment& drawn = view.Segments()[at++];
            SCOPED_TRACE(drawn.tooltip.toStdString());
            EXPECT_EQ(drawn.section, segment.section);
            EXPECT_NEAR(drawn.rect.width(), segment.value / sum * (view.width() - 1), 0.01);
            EXPECT_EQ(view.ToolTipAt(drawn.rect.center()), drawn.tooltip);
            EXPECT_TRUE(drawn.tooltip.startsWith(
                QString::fromLatin1(BreakdownSectionName(segment.section).data()) + ": "));
            EXPECT_TRUE(drawn.tooltip.endsWith(QStringLiteral("%)")));
            if (drawn.rect.width() > 16) {
                EXPECT_TRUE(ShowsColour(image, drawn.rect, SectionColour(segment.section)));
            }
        }
    }
    EXPECT_EQ(at, view.Segments().size());
    EXPECT_TRUE(view.ToolTipAt(QPointF(-5, -5)).isEmpty());
}

// Every section keeps its own look, and no two share a colour or a hatching.
TEST(BreakdownChartView, SectionsAreToldApartByColourAndByPattern) {
    for (std::size_t a = 0; a < kBreakdownSectionCount; ++a) {
        for (std::size_t b = a + 1; b < kBreakdownSectionCount; ++b) {
            const auto first = static_cast<BreakdownSection>(a);
            const auto second = static_cast<BreakdownSection>(b);
            EXPECT_NE(SectionColour(first), SectionColour(second));
            EXPECT_NE(SectionPattern(first), SectionPattern(second));
        }
    }
}

TEST(TotalsWindowBreakdown, TheButtonShowsAndHidesTheBreakdownUnderTheTotals) {
    ModalWatchdog watchdog;
    Catalog catalog(StandardCatalogRows());
    Session session;
    session.design = ArmedDesign(catalog, 2);
    Design& design = session.design;
    testing::ScriptedPrompter prompter;
    ui::DesignDocument document{session};
    ui::TotalsWindow logic{document};
    TotalsWindowView window{logic, design, prompter};
    logic.Visible = true;
    document.Replaced();
    window.Refresh();
    window.adjustSize();

    auto& chart = Child<BreakdownChartView>(window, "BreakdownChart");
    auto& button = Child<QPushButton>(window, "BreakdownButton");
    EXPECT_TRUE(chart.isHidden()) << "the window stays small until asked";
    const int small_height = window.height();

    button.click();
    EXPECT_FALSE(chart.isHidden());
    EXPECT_EQ(button.text(), QStringLiteral("&Breakdown <<"));
    EXPECT_GT(window.height(), small_height + chart.minimumSizeHint().height() / 2);
    ASSERT_FALSE(chart.Segments().empty());
    EXPECT_TRUE(std::any_of(chart.Segments().begin(), chart.Segments().end(),
                            [](const BreakdownChartView::Segment& segment) {
                                return segment.tooltip.startsWith(QStringLiteral("Weapons: "));
                            }));

    // The chart follows the design.
    const QString before = chart.Segments().back().tooltip;
    design.Turrets[1].NUMBER = 8;
    Recalculate(design, catalog);
    document.Replaced();
    window.Refresh();
    EXPECT_NE(chart.Segments().back().tooltip, before);

    button.click();
    EXPECT_TRUE(chart.isHidden());
    EXPECT_EQ(button.text(), QStringLiteral("&Breakdown >>"));
    EXPECT_LE(window.height(), small_height + 2);
}

TEST(CompareWindowView, ShowsBothDesignsMarksTheDifferencesAndFollowsTheOpenDesign) {
    ModalWatchdog watchdog;
    Catalog catalog(StandardCatalogRows());
    Session session;
    session.design = ArmedDesign(catalog, 2);
    Design& open = session.design;
    ui::DesignDocument document{session};
    ui::CompareWindow logic(document, open, ArmedDesign(catalog, 5), "/ships/Raider.k2d");
    CompareWindowView window(logic, document);
    window.show();

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Compare with Raider.k2d"));
    const auto marked_rows = [&] {
        QStringList names;
        for (QLabel* label : window.findChildren<QLabel*>()) {
            if (label->text() == QStringLiteral("\u2260")) {
                const int index = label->parentWidget()->layout()->indexOf(label);
                names << static_cast<QLabel*>(
                             label->parentWidget()->layout()->itemAt(index + 1)->widget())
                             ->text();
            }
        }
        return names;
    };
    EXPECT_TRUE(marked_rows().contains(QStringLiteral("Power used")));
    EXPECT_TRUE(marked_rows().contains(QStringLiteral("Cost")));
    EXPECT_FALSE(marked_rows().contains(QStringLiteral("Hull volume")));
    auto& sections = Child<QListWidget>(window, "ChangedSections");
    QStringList section_names;
    for (int row = 0; row < sections.count(); ++row) {
        section_names << sections.item(row)->text();
    }
    EXPECT_TRUE(section_names.contains(QStringLiteral("Weapons")));
    EXPECT_FALSE(section_names.contains(QStringLiteral("Screens")));
    EXPECT_GT(Child<QListWidget>(window, "Differences").count(), 0);
    EXPECT_FALSE(Child<BreakdownChartView>(window, "ABreakdown").Segments().empty());
    EXPECT_FALSE(Child<BreakdownChartView>(window, "BBreakdown").Segments().empty());

    // The open design is made like B: the window says so at the next notice.
    open.Turrets[1].NUMBER = 5;
    Recalculate(open, catalog);
    document.Replaced();
    EXPECT_TRUE(marked_rows().isEmpty());
    EXPECT_EQ(Child<QLabel>(window, "Verdict").text(), QStringLiteral("The designs are the same."));
    EXPECT_EQ(sections.count(), 0);
}

}  // namespace
}  // namespace korvane::gui_test
