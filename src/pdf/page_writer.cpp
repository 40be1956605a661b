#include "pdf/page_writer.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>

#include "model/cp1252.h"

namespace korvane::pdf {

namespace {

constexpr double kMmPerInch = 25.4;

// The reports' family, or the free family drawn to its metrics.
QString AvailableFamily(const QString& family) {
    if (!QFontDatabase::hasFamily(family) && family == QLatin1String("Times New Roman")) {
        return QStringLiteral("Liberation Serif");
    }
    return family;
}

}  // namespace

PageWriter::PageWriter(std::unique_ptr<QPagedPaintDevice> device, Finished finished)
    : device_(std::move(device)),
      finished_(std::move(finished)),
      units_per_mm_(device_->logicalDpiX() / kMmPerInch),
      width_(device_->width()),
      height_(device_->height()) {
    painter_.emplace(device_.get());
    SetFont("Times New Roman", 10);
}

void PageWriter::SetFont(std::string_view family, double points) {
    font_ = QFont(AvailableFamily(QString::fromStdString(Utf8FromCp1252(family))));
    font_.setPointSizeF(points);
    if (IsActive()) {
        painter_->setFont(font_);
    }
}

void PageWriter::SetBold(bool bold) {
    font_.setBold(bold);
    if (IsActive()) {
        painter_->setFont(font_);
    }
}

double PageWriter::LineSpacing() const {
    return QFontMetricsF(font_, device_.get()).lineSpacing();
}

double PageWriter::Draw(double x, std::string_view text) {
    if (!IsActive()) {
        return x;
    }
    // The page is turned only when something is drawn below its last line, so
    // that a document ending on a full page has no empty page after it.
    if (line_top_ > 0 && line_top_ + LineSpacing() > height_) {
        device_->newPage();
        line_top_ = 0;
    }
    const QString shown = QString::fromStdString(Utf8FromCp1252(text));
    const QFontMetricsF metrics(font_, device_.get());
    const QPointF baseline(x, line_top_ + metrics.ascent());
    const double advance = metrics.horizontalAdvance(shown);
    if (x + advance <= width_ || x >= width_) {
        painter_->drawText(baseline, shown);
        return x + advance;
    }
    // A line set for a wider page (a body line of capitals) is narrowed to
    // end at the margin rather than run off the paper.
    painter_->save();
    painter_->translate(baseline);
    painter_->scale((width_ - x) / advance, 1);
    painter_->drawText(QPointF(0, 0), shown);
    painter_->restore();
    return width_;
}

void PageWriter::EndLine() {
    line_top_ += LineSpacing();
}

void PageWriter::Finish() {
    if (!IsActive()) {
        return;
    }
    const bool printed = painter_->end();
    painter_.reset();
    device_.reset();
    if (finished_) {
        finished_(printed);
    }
}

}  // namespace korvane::pdf
