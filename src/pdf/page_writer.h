#pragma once

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace korvane::pdf {

// Lines of text on the pages of a printer or a PDF file. Positions are in the
// device's units from the left edge of the printable area; texts are
// Windows-1252 bytes. A line that does not fit below the last one starts a
// new page.
class PageWriter {
public:
    // Runs once the document is ended and its device closed, with whether the
    // device took the document.
    using Finished = std::function<void(bool printed)>;

    // Starts painting on the device. A writer that goes without Finish
    // tells nobody: a PDF document is not saved.
    PageWriter(std::unique_ptr<QPagedPaintDevice> device, Finished finished);
    PageWriter(const PageWriter&) = delete;
    PageWriter& operator=(const PageWriter&) = delete;

    double UnitsPerMm() const { return units_per_mm_; }
    double PrintableWidth() const { return width_; }

    // The font in its regular face. A family the system lacks is taken from
    // its metric-compatible free substitute, so "Times New Roman" is set in
    // "Liberation Serif" with the same line widths.
    void SetFont(std::string_view family, double points);
    void SetBold(bool bold);

    // Draws the text on the current line from `x`; returns the position just
    // past it. Text that would pass the right margin is narrowed to end there.
    double Draw(double x, std::string_view text);
    void EndLine();

    // Ends the last page, which sends the document to the printer or the
    // file. Nothing is drawn afterwards.
    void Finish();

private:
    bool IsActive() const { return painter_ && painter_->isActive(); }
    double LineSpacing() const;

    std::unique_ptr<QPagedPaintDevice> device_;
    std::optional<QPainter> painter_;
    Finished finished_;
    QFont font_;
    double units_per_mm_ = 0;
    double width_ = 0;
    double height_ = 0;
    double line_top_ = 0;
};

}  // namespace korvane::pdf
