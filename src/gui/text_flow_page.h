#pragma once

#include <memory>
#include <string_view>

#include "pdf/page_writer.h"
#include "ui/text_flow_surface.h"

namespace korvane::gui {

// The text window's printout on the pages of a printer or a PDF file: each
// piece follows the last one on the line, and a line break inside a piece
// starts a new line.
class TextFlowPage final : public ui::TextFlowSurface {
public:
    TextFlowPage(std::unique_ptr<QPagedPaintDevice> device, pdf::PageWriter::Finished finished)
        : writer_(std::move(device), std::move(finished)) {}

    void SetFont(std::string_view name, double points) override { writer_.SetFont(name, points); }
    void SetBold(bool bold) override { writer_.SetBold(bold); }
    void Print(std::string_view text) override;
    void EndLine() override;
    double CurrentX() const override;
    double PrintableWidth() const override;
    void EndDocument() override { writer_.Finish(); }

private:
    double UnitsPerTwip() const;

    pdf::PageWriter writer_;
    double x_ = 0;  // device units from the left margin
};

}  // namespace korvane::gui
