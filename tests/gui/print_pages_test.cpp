#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <memory>

#include "gui/poppler.h"
#include "gui/text_flow_page.h"
#include "pdf/pdf_document.h"
#include "pdf/profile_page.h"
#include "support/temp_dir.h"

namespace korvane::gui_test {
namespace {

// A4 less the side margins of the program's PDF pages, in twips.
constexpr double kA4PrintableTwips = (210 - 6 - 4) / 25.4 * 1440;

class PrintPagesTest : public ::testing::Test {
protected:
    std::unique_ptr<QPdfWriter> NewWriter() {
        return document_.NewWriter(pdf::PdfDocument::DefaultPageLayout(), QStringLiteral("test"));
    }

    testing::TempDir folder_;
    pdf::PdfDocument document_;
    int finished_ = 0;
    bool printed_ = false;
    pdf::PageWriter::Finished finished_handler_ = [this](bool printed) {
        ++finished_;
        printed_ = printed;
    };
};

TEST_F(PrintPagesTest, TextFlowsAlongTheLineAndALineBreakStartsANewOne) {
    gui::TextFlowPage page(NewWriter(), finished_handler_);
    EXPECT_NEAR(page.PrintableWidth(), kA4PrintableTwips, 15);  // the page is whole points
    page.SetFont("Times New Roman", 10);
    EXPECT_EQ(page.CurrentX(), 0);
    page.Print("Feature");
    const double after_word = page.CurrentX();
    EXPECT_GT(after_word, 400);  // seven letters of 10-point type
    EXPECT_LT(after_word, 1000);
    page.Print(" List");
    EXPECT_GT(page.CurrentX(), after_word);
    page.Print("one\r\nFeature");
    EXPECT_NEAR(page.CurrentX(), after_word, 1) << "the piece after the break starts the line";
    page.EndLine();
    EXPECT_EQ(page.CurrentX(), 0);
    page.EndDocument();
    EXPECT_EQ(finished_, 1);
    EXPECT_TRUE(printed_);
    page.EndDocument();
    EXPECT_EQ(finished_, 1) << "a document ends once";
}

TEST(PdfPageLayout, APrintDialogsPageKeepsItsSizeAndTakesTheProgramsMargins) {
    const QPageLayout chosen(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                             QMarginsF(3.5, 3.5, 3.5, 3.5), QPageLayout::Millimeter);
    const QPageLayout used = pdf::PdfDocument::WithDefaultMargins(chosen);
    EXPECT_EQ(used.pageSize().id(), QPageSize::Letter);
    EXPECT_EQ(used.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(used.margins(QPageLayout::Millimeter),
              pdf::PdfDocument::DefaultPageLayout().margins(QPageLayout::Millimeter))
        << "the margins of korvane-cli print --pdf";
}

TEST_F(PrintPagesTest, ALongDocumentTurnsItsPagesWithoutAnEmptyOneAtTheEnd) {
    {
        pdf::ProfilePage page(NewWriter(), finished_handler_);
        page.SetFont("Times New Roman", 10);
        for (int line = 1; line <= 120; ++line) {
            page.PrintAt(40, "line " + std::to_string(line));
            page.EndLine();
        }
        page.EndDocument();
    }
    ASSERT_TRUE(printed_);
    const std::filesystem::path pdf = folder_ / "long.pdf";
    ASSERT_TRUE(document_.Save(pdf).ok());
    EXPECT_EQ(pdf_test::PageCount(pdf), 2);
    const std::string text = pdf_test::PageText(pdf);
    EXPECT_NE(text.find("line 1\n"), std::string::npos);
    EXPECT_NE(text.find("line 120"), std::string::npos);
}

TEST_F(PrintPagesTest, ALineTooWideForThePageIsNarrowedToEndAtTheMargin) {
    {
        pdf::ProfilePage page(NewWriter(), finished_handler_);
        page.SetFont("Times New Roman", 10);
        page.PrintAt(40, std::string(100, 'W') + " END");
        page.EndLine();
        page.PrintAt(40, "short");
        page.EndDocument();
    }
    const std::filesystem::path pdf = folder_ / "wide.pdf";
    ASSERT_TRUE(document_.Save(pdf).ok());
    const pdf_test::WordEdges edges = pdf_test::RightEdges(pdf);
    EXPECT_GT(edges.rightmost, edges.page_width - 5 / 25.4 * 72);
    EXPECT_LE(edges.rightmost, edges.page_width - 4 / 25.4 * 72 + 0.5);
    EXPECT_NE(pdf_test::PageText(pdf).find("END"), std::string::npos);
}

TEST_F(PrintPagesTest, AnUnfinishedDocumentTellsNothingAndAnUnpaintedOneIsNotSaved) {
    {
        pdf::ProfilePage page(NewWriter(), finished_handler_);
        page.PrintAt(40, "half a profile");
    }
    EXPECT_EQ(finished_, 0);
    const pdf::PdfDocument unpainted;
    EXPECT_FALSE(unpainted.Save(folder_ / "empty.pdf").ok());
    EXPECT_FALSE(std::filesystem::exists(folder_ / "empty.pdf"));
}

}  // namespace
}  // namespace korvane::gui_test
