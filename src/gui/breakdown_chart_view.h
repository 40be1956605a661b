#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <vector>

#include "engine/breakdown.h"
#include "ui/breakdown_chart.h"

namespace korvane::gui {

// A section's fixed look in every chart: a colour told apart by colour-blind
// readers, and a hatching of its own so that the sections can be told apart
// without colour at all.
QColor SectionColour(BreakdownSection section);
Qt::BrushStyle SectionPattern(BreakdownSection section);

// The breakdown as one horizontal stacked bar per quantity, each under its
// caption, with the section's short name on every segment wide enough for it,
// a tooltip per segment (figure and share) and a legend of all sections.
class BreakdownChartView final : public QWidget {
public:
    explicit BreakdownChartView(QWidget* parent = nullptr);

    void SetChart(const ui::BreakdownChart& chart);

    // The tooltip of the segment at `point`; empty off the segments.
    QString ToolTipAt(QPointF point) const;
    // Where the segments stand, bar by bar, for tests and tooltips.
    struct Segment {
        BreakdownSection section;
        QRectF rect;
        QString tooltip;
    };
    const std::vector<Segment>& Segments() const { return segments_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Places the bars and segments in the widget's current width.
    void Lay();
    int BarHeight() const;
    int LegendTop() const;
    int LegendColumnWidth() const;

    ui::BreakdownChart chart_;
    std::vector<Segment> segments_;
    std::vector<QRectF> bars_;
};

}  // namespace korvane::gui
