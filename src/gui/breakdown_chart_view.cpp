#include "gui/breakdown_chart_view.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <array>

#include "gui/qt_text.h"

namespace korvane::gui {

namespace {

struct SectionLook {
    QRgb colour;
    Qt::BrushStyle pattern;
};

// Okabe and Ito's colours, which stay distinct for the common colour-vision
// deficiencies, then two of Tol's; each with a hatching of its own.
constexpr std::array<SectionLook, kBreakdownSectionCount> kLooks = {{
    {0xE69F00, Qt::BDiagPattern},      // hull and armour
    {0x56B4E9, Qt::FDiagPattern},      // power plant and fuel
    {0x009E73, Qt::HorPattern},        // drives and fuel
    {0xF0E442, Qt::VerPattern},        // electronics
    {0xD55E00, Qt::DiagCrossPattern},  // weapons
    {0x0072B2, Qt::CrossPattern},      // screens
    {0xCC79A7, Qt::Dense6Pattern},     // control and computers
    {0x999999, Qt::Dense5Pattern},     // crew and accommodation
    {0x882255, Qt::Dense7Pattern},     // craft
    {0xDDCC77, Qt::NoBrush},           // other: plain
}};

constexpr int kLegendColumns = 2;

void FillSection(QPainter& painter, const QRectF& rect, BreakdownSection section) {
    painter.fillRect(rect, SectionColour(section));
    const Qt::BrushStyle pattern = SectionPattern(section);
    if (pattern != Qt::NoBrush) {
        painter.fillRect(rect, QBrush(QColor(0, 0, 0, 110), pattern));
    }
}

}  // namespace

QColor SectionColour(BreakdownSection section) {
    return QColor::fromRgb(kLooks[static_cast<std::size_t>(section)].colour);
}

Qt::BrushStyle SectionPattern(BreakdownSection section) {
    return kLooks[static_cast<std::size_t>(section)].pattern;
}

BreakdownChartView::BreakdownChartView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BreakdownChart"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void BreakdownChartView::SetChart(const ui::BreakdownChart& chart) {
    chart_ = chart;
    Lay();
    update();
}

int BreakdownChartView::BarHeight() const {
    return fontMetrics().height() * 3 / 2;
}

// Each bar takes its caption's line and its own height, with a gap after it.
int BreakdownChartView::LegendTop() const {
    const int line = fontMetrics().height();
    return static_cast<int>(chart_.bars.size()) * (line + BarHeight() + line / 2);
}

QSize BreakdownChartView::sizeHint() const {
    return minimumSizeHint();
}

// A legend column: the swatch, a gap and the longest section name.
int BreakdownChartView::LegendColumnWidth() const {
    int widest = 0;
    for (std::size_t s = 0; s < kBreakdownSectionCount; ++s) {
        const auto section = static_cast<BreakdownSection>(s);
        widest = std::max(widest,
                          fontMetrics().horizontalAdvance(QtText(BreakdownSectionName(section))));
    }
    return fontMetrics().height() * 2 + 4 + widest + fontMetrics().averageCharWidth() * 2;
}

QSize BreakdownChartView::minimumSizeHint() const {
    const int line = fontMetrics().height();
    const int legend_rows =
        (static_cast<int>(kBreakdownSectionCount) + kLegendColumns - 1) / kLegendColumns;
    return {LegendColumnWidth() * kLegendColumns, LegendTop() + legend_rows * (line + 2)};
}

void BreakdownChartView::Lay() {
    segments_.clear();
    bars_.clear();
    const int line = fontMetrics().height();
    const qreal width = std::max(1, this->width() - 1);
    int top = 0;
    for (const ui::ChartBar& bar : chart_.bars) {
        const QRectF bar_rect(0, top + line, width, BarHeight());
        bars_.push_back(bar_rect);
        double sum = 0;
        for (const ui::ChartSegment& segment : bar.segments) {
            sum += segment.value;
        }
        qreal left = bar_rect.left();
        for (const ui::ChartSegment& segment : bar.segments) {
            const qreal length = sum > 0 ? segment.value / sum * width : 0;
            segments_.push_back({segment.section,
                                 QRectF(left, bar_rect.top(), length, bar_rect.height()),
                                 QtText(segment.tooltip)});
            left += length;
        }
        top += line + BarHeight() + line / 2;
    }
}

QString BreakdownChartView::ToolTipAt(QPointF point) const {
    for (const Segment& segment : segments_) {
        if (segment.rect.contains(point)) {
            return segment.tooltip;
        }
    }
    return {};
}

bool BreakdownChartView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = ToolTipAt(help->pos());
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    return QWidget::event(event);
}

void BreakdownChartView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Lay();
}

void BreakdownChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    const QColor text = palette().color(QPalette::WindowText);

    for (std::size_t b = 0; b < bars_.size(); ++b) {
        painter.setPen(text);
        painter.drawText(QRectF(0, bars_[b].top() - line, width(), line),
                         Qt::AlignLeft | Qt::AlignVCenter, QtText(chart_.bars[b].caption));
        painter.fillRect(bars_[b], palette().color(QPalette::Base));
    }
    for (const Segment& segment : segments_) {
        FillSection(painter, segment.rect, segment.section);
        painter.setPen(QPen(text, 1));
        painter.drawRect(segment.rect);
        // The short name on a light plate, readable over any colour and hatching.
        const QString name = QtText(ui::ShortSectionName(segment.section));
        const int name_width = metrics.horizontalAdvance(name) + 4;
        if (segment.rect.width() >= name_width + 2) {
            QRectF plate(0, 0, name_width, line);
            plate.moveCenter(segment.rect.center());
            painter.fillRect(plate, QColor(255, 255, 255, 220));
            painter.setPen(Qt::black);
            painter.drawText(plate, Qt::AlignCenter, name);
        }
    }
    for (const QRectF& bar : bars_) {
        painter.setPen(QPen(text, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(bar);
    }

    // The legend: every section, so that colours and hatchings read the same everywhere.
    const int column_width = std::max(width() / kLegendColumns, LegendColumnWidth());
    const int swatch = line;
    for (std::size_t s = 0; s < kBreakdownSectionCount; ++s) {
        const auto section = static_cast<BreakdownSection>(s);
        const int column = static_cast<int>(s) % kLegendColumns;
        const int row = static_cast<int>(s) / kLegendColumns;
        const QRectF box(column * column_width, LegendTop() + row * (line + 2), swatch * 2, swatch);
        FillSection(painter, box, section);
        painter.setPen(QPen(text, 1));
        painter.drawRect(box);
        painter.drawText(QRectF(box.right() + 4, box.top(), column_width - box.width() - 4, line),
                         Qt::AlignLeft | Qt::AlignVCenter, QtText(BreakdownSectionName(section)));
    }
}

}  // namespace korvane::gui
