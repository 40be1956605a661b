#include "pdf/pdf_document.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>

#include <ostream>

#include "files/atomic_write.h"

namespace korvane::pdf {

namespace {

// A body line of the printed profile starts 40 mm in and runs for 100
// characters, about 158 mm of Times New Roman at 10 points: side margins as
// narrow as a printer's own keep it on an A4 page.
constexpr QMarginsF kMarginsMm(6, 12, 4, 12);
constexpr int kResolutionDpi = 1200;

}  // namespace

QPageLayout PdfDocument::DefaultPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMarginsMm,
                       QPageLayout::Millimeter);
}

QPageLayout PdfDocument::WithDefaultMargins(const QPageLayout& chosen) {
    return QPageLayout(chosen.pageSize(), chosen.orientation(), kMarginsMm,
                       QPageLayout::Millimeter);
}

PdfDocument::PdfDocument() : buffer_(&bytes_) {}

std::unique_ptr<QPdfWriter> PdfDocument::NewWriter(const QPageLayout& layout,
                                                   const QString& title) {
    buffer_.close();
    bytes_.clear();
    buffer_.open(QIODevice::WriteOnly);
    auto writer = std::make_unique<QPdfWriter>(&buffer_);
    writer->setResolution(kResolutionDpi);
    writer->setPageLayout(layout);
    writer->setTitle(title);
    writer->setCreator(QStringLiteral("Korvane"));
    return writer;
}

Status PdfDocument::Save(const std::filesystem::path& target) const {
    if (bytes_.isEmpty()) {
        return Error{target.string() + ": no PDF document was made, nothing is written"};
    }
    return WriteFileAtomically(
        target, [this](std::ostream& out) { out.write(bytes_.constData(), bytes_.size()); });
}

}  // namespace korvane::pdf
