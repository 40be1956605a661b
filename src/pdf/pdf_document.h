#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>

#include <filesystem>
#include <memory>

#include "model/result.h"

class QPdfWriter;

namespace korvane::pdf {

// A PDF document painted in memory and written to its file in one piece once
// it is complete, so a failed print never leaves a half-written file in place
// of an older one.
class PdfDocument {
public:
    // The page of every PDF the program writes unless a print dialog chose
    // another: A4 with margins that leave room for a body line of the printed
    // profile beside its headings.
    static QPageLayout DefaultPageLayout();
    // The page size and orientation of `chosen` (a print dialog's) with the
    // margins of the default page.
    static QPageLayout WithDefaultMargins(const QPageLayout& chosen);

    PdfDocument();

    // The device to paint on, writing into this document. It must be
    // destroyed (which completes the document) before Save.
    std::unique_ptr<QPdfWriter> NewWriter(const QPageLayout& layout, const QString& title);

    bool IsEmpty() const { return bytes_.isEmpty(); }
    Status Save(const std::filesystem::path& target) const;

private:
    QByteArray bytes_;
    QBuffer buffer_;
};

}  // namespace korvane::pdf
