#include "reports/report_text.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

using namespace std::string_literals;

TEST(ReportTextTab, WritesNothingAtTheColumnPadsBeforeItAndWrapsPastIt) {
    std::string out;
    {
        ReportText text(out);
        text.Text("abcd").Tab(5).Text("e").EndLine();    // exactly at column 5
        text.Text("ab").Tab(5).Text("e").EndLine();      // two blanks to column 5
        text.Text("abcdef").Tab(5).Text("e").EndLine();  // past it: continues on a new line
    }
    EXPECT_EQ(out, "abcde\r\nab  e\r\nabcdef\r\n    e\r\n");
}

TEST(ReportTextTab, ColumnsCountFromOne) {
    std::string out;
    ReportText text(out);
    EXPECT_EQ(text.Column(), 1);
    text.Tab(1);
    EXPECT_EQ(text.Line(), "");
    text.Tab(19);
    EXPECT_EQ(text.Line(), std::string(18, ' '));
    EXPECT_EQ(text.Column(), 19);
}

TEST(ReportTextZone, MovesToTheNextColumnOfFifteenTwentyNineFortyThree) {
    std::string out;
    ReportText text(out);
    text.NextZone();
    EXPECT_EQ(text.Column(), 15);
    text.NextZone();  // standing at a zone start moves on to the next one
    EXPECT_EQ(text.Column(), 29);
    text.DropLine();
    // B and the 22-character legend end at column 38: four blanks to 43.
    text.BlankHeading().Text("TCJMPCC-ASMNGR-LEPMI-F").NextZone().Text("W");
    EXPECT_EQ(text.Line(), std::string(16, ' ') + "TCJMPCC-ASMNGR-LEPMI-F    W");
}

TEST(ReportTextHeading, PadsOrCutsToSixteenCharacters) {
    std::string out;
    ReportText text(out);
    text.Heading("HULL:").Text("|");
    EXPECT_EQ(text.Line(), "HULL:           |");
    text.DropLine();
    text.Heading("A HEADING OF MORE THAN SIXTEEN").Text("|");
    EXPECT_EQ(text.Line(), "A HEADING OF MOR|");
    text.DropLine();
    text.BlankHeading().Text("|");
    EXPECT_EQ(text.Line(), std::string(16, ' ') + "|");
}

TEST(ReportTextNumbers, PrintedPlainAndFormatted) {
    std::string out;
    ReportText text(out);
    text.Printed(2).Printed(-1.5).Plain(0.5).Text("|").Formatted(1234, "###,###.###");
    EXPECT_EQ(text.Line(), " 2 -1.5 .5|1,234.");
}

TEST(ReportTextNul, NeverSetTextIsWrittenAsBlanksInBothModes) {
    const std::string never_set(3, '\0');
    for (const TextEscaping escaping : {TextEscaping::None, TextEscaping::Html}) {
        std::string out;
        ReportText text(out, escaping);
        text.Text("a" + never_set + "b").EndLine();
        EXPECT_EQ(out, "a   b\r\n");
    }
}

TEST(ReportTextEscaping, PageEscapesTextButNotMarkup) {
    std::string out;
    ReportText page(out, TextEscaping::Html);
    page.Markup("<tr><td valign=top>&nbsp").Text("Weapons & Screens <\"it's\">").Markup("</br>");
    EXPECT_EQ(page.Line(),
              "<tr><td valign=top>&nbspWeapons &amp; Screens &lt;&quot;it&#39;s&quot;&gt;</br>");
}

TEST(ReportTextEscaping, TextFileWritesCharactersAsTheyStand) {
    std::string out;
    ReportText text(out);
    text.Text("A & B <c> \"d\" 'e' \xE9").EndLine();
    EXPECT_EQ(out, "A & B <c> \"d\" 'e' \xE9\r\n");
}

TEST(ReportTextEscaping, ColumnsCountTheEscapedBytes) {
    std::string out;
    ReportText page(out, TextEscaping::Html);
    page.Text("&").Markup("<br>");
    EXPECT_EQ(page.Column(), 10);
    page.Tab(8);  // past column 8: a new line
    EXPECT_EQ(page.Line(), std::string(7, ' '));
}

TEST(ReportTextLines, DroppedLineIsNotWrittenAndPendingLineIsNotLost) {
    std::string out;
    {
        ReportText text(out);
        text.Text("dropped");
        text.DropLine();
        text.Text("kept").EndLine();
        text.Text("unfinished");
    }
    EXPECT_EQ(out, "kept\r\nunfinished");
}

}  // namespace
}  // namespace korvane
