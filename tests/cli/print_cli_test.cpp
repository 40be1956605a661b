#include <gtest/gtest.h>

#include <filesystem>

#include "files/design_file.h"
#include "gui/poppler.h"
#include "reports/report_test_support.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace korvane {
namespace {

using testing::RunCli;
using testing::TempDir;
using testing::WriteText;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class PrintCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteDesignFile(home_ / "kestrel.k2d", report_test::RichDesign()).ok());
        WriteText(home_ / "kestrel.K2N", "Keeps a standing watch over the Harrow yards.\r\n");
    }

    TempDir home_;
};

TEST_F(PrintCliTest, WritesThePrintedProfileAsAPdfWithTheShipsName) {
    const testing::CliRun run = RunCli(home_.path(), "print --pdf kestrel.pdf kestrel.k2d");
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "kestrel.pdf")) << run.out;

    const std::filesystem::path pdf = home_ / "kestrel.pdf";
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_GE(pdf_test::PageCount(pdf), 1);
    const std::string text = pdf_test::PageText(pdf);
    EXPECT_TRUE(Contains(text, "CRAFT ID:")) << text;
    EXPECT_TRUE(Contains(text, "Harrow & <Vane> 'Kestrel'")) << text;
    EXPECT_TRUE(Contains(text, "Keeps a standing watch over the Harrow yards.")) << "the notes";
    EXPECT_TRUE(Contains(text, "VELMARK:"));
    const std::string info = pdf_test::Poppler("pdfinfo", "", pdf);
    EXPECT_TRUE(Contains(info, "Title:           Harrow & <Vane> 'Kestrel'\n")) << info;

    // Times New Roman, or its metric-compatible free substitute, embedded.
    const std::string fonts = pdf_test::Poppler("pdffonts", "", pdf);
    EXPECT_TRUE(Contains(fonts, "LiberationSerif") || Contains(fonts, "TimesNewRoman")) << fonts;

    // The longest body lines stay inside the page's right margin.
    const pdf_test::WordEdges edges = pdf_test::RightEdges(pdf);
    ASSERT_GT(edges.page_width, 0);
    EXPECT_LE(edges.rightmost, edges.page_width - 4 / 25.4 * 72);
}

TEST_F(PrintCliTest, ADesignThatCannotBeReadWritesNoPdf) {
    WriteText(home_ / "broken.k2d", "not a design\r\n");
    const testing::CliRun run = RunCli(home_.path(), "print --pdf broken.pdf broken.k2d");
    EXPECT_EQ(run.exit_code, 3);
    EXPECT_TRUE(Contains(run.err, "broken.k2d")) << run.err;
    EXPECT_FALSE(std::filesystem::exists(home_ / "broken.pdf"));
}

TEST_F(PrintCliTest, APdfThatCannotBeWrittenIsReported) {
    const testing::CliRun run = RunCli(home_.path(), "print --pdf missing/kestrel.pdf kestrel.k2d");
    EXPECT_EQ(run.exit_code, 3);
    EXPECT_TRUE(Contains(run.err, "missing/kestrel.pdf")) << run.err;

    const testing::CliRun usage = RunCli(home_.path(), "print kestrel.k2d");
    EXPECT_EQ(usage.exit_code, 2) << "--pdf is required";
}

TEST_F(PrintCliTest, WithoutItsPdfModuleOnlyPrintingFailsAndSaysWhy) {
    const std::filesystem::path lone = home_ / "lone";
    std::filesystem::create_directory(lone);
    std::filesystem::copy_file(KORVANE_CLI, lone / "korvane-cli");

    const testing::CliRun print =
        testing::RunCliProgram(lone / "korvane-cli", home_.path(), "print --pdf k.pdf kestrel.k2d");
    EXPECT_EQ(print.exit_code, 3);
    EXPECT_TRUE(Contains(print.err, "korvane-cli-pdf.so: the PDF printing module cannot be loaded"))
        << print.err;
    EXPECT_FALSE(std::filesystem::exists(home_ / "k.pdf"));

    const testing::CliRun show =
        testing::RunCliProgram(lone / "korvane-cli", home_.path(), "show kestrel.k2d");
    EXPECT_EQ(show.exit_code, 0) << show.err;
}

}  // namespace
}  // namespace korvane
