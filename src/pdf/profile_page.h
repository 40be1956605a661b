#pragma once

#include <memory>
#include <string_view>

#include "pdf/page_writer.h"
#include "reports/print_surface.h"

namespace korvane::pdf {

// The printed profile on the pages of a printer or a PDF file, each piece
// placed in millimetres from the left margin.
class ProfilePage final : public PrintSurface {
public:
    ProfilePage(std::unique_ptr<QPagedPaintDevice> device, PageWriter::Finished finished)
        : writer_(std::move(device), std::move(finished)) {}

    void SetFont(std::string_view name, double points) override { writer_.SetFont(name, points); }
    void SetBold(bool bold) override { writer_.SetBold(bold); }
    void PrintAt(double x_mm, std::string_view text) override;
    void EndLine() override { writer_.EndLine(); }
    void EndDocument() override { writer_.Finish(); }

private:
    PageWriter writer_;
};

}  // namespace korvane::pdf
