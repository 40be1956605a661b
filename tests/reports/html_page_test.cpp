#include "reports/html_page.h"

#include <gtest/gtest.h>

#include <sstream>

#include "report_test_support.h"
#include "reports/classic_drives.h"
#include "reports/profile_text.h"

namespace korvane {
namespace {

using report_test::ContextOn2026December7;
using report_test::Item;

std::string HtmlPage(const Design& design,
                     const ReportContext& context = ContextOn2026December7()) {
    return HtmlPageText(design, context);
}

bool Contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

// A design of the given hull volume in tons and nothing else.
Design HullOfTons(double tons) {
    Design design;
    design.HullKL() = tons * kKlPerTon;
    design.Slots[Slot::Hull].MISCNUM[2] = 100;
    return design;
}

TEST(HtmlPageGolden, DefaultDesign) {
    report_test::ExpectGolden(HtmlPage(report_test::DefaultDesign()), "html_page_default.htm");
}

TEST(HtmlPageGolden, RichDesignWithNotes) {
    ReportContext context = ContextOn2026December7();
    context.notes = report_test::RichNotes();
    report_test::ExpectGolden(HtmlPage(report_test::RichDesign(), context), "html_page_rich.htm");
}

TEST(HtmlPageNarrative, OnlyConfigurationOneReadsUnstreamlined) {
    for (const double config : {1.0, 2.0, 3.0}) {
        Design design = HullOfTons(100);
        design.Slots[Slot::Configuration].MISCNUM[6] = config;
        const std::string page = HtmlPage(design);
        EXPECT_EQ(Contains(page, "The hull is \r\nunstreamlined.<br>\r\n"), config == 1) << config;
        EXPECT_EQ(Contains(page, "The hull is \r\nstreamlined.<br>\r\n"), config != 1) << config;
    }
}

TEST(HtmlPageNarrative, LowStateroomCountsAsStateroomAndLowBerth) {
    Design design = HullOfTons(100);
    design.Accommodations[1] = Item("Stateroom", 3);
    design.Accommodations[2] = Item("LOW Stateroom", 2);
    design.Accommodations[3] = Item("Low Berth", 4);
    design.Accommodations[4] = Item("Empty Stateroom", 0);
    const std::string page = HtmlPage(design);
    EXPECT_TRUE(Contains(page, "There are  5  staterooms and  6  low berths.<br>\r\n"));
    EXPECT_TRUE(Contains(page, "\r\nLOW Stateroom x 2 \r\n"));
}

TEST(HtmlPageCombat, RowsAreChosenByFactorsNotCounts) {
    Design design = HullOfTons(100);
    design.WeaponCounts[3][1] = 2;  // sandcasters too weak for a factor
    design.WeaponFactors[1][2] = 4;
    design.WeaponCounts[1][2] = 1;
    design.WeaponFactors[7][3] = 10;
    design.WeaponCounts[7][3] = 1;
    const std::string page = HtmlPage(design);
    EXPECT_FALSE(Contains(page, "Sand"));
    EXPECT_TRUE(Contains(page,
                         "<tr><td></td><td>&nbsp;&nbsp;Laser: \r\n\r\n Bays: 4 Bty  1 \r\n"
                         "</td></tr>\r\n"));
    EXPECT_TRUE(Contains(page,
                         "<tr><td></td><td>&nbsp;&nbsp;Meson: \r\n\r\n\r\n"
                         " Spinal: A</td><td></td><td></td><td> 1 \r\n</td></tr>\r\n"));

    std::ostringstream text;
    WriteProfileText(text, design, ContextOn2026December7());
    EXPECT_TRUE(Contains(text.str(), "    Sand"));
}

TEST(HtmlPageEscaping, EveryTextIsEscapedAndTheMarkupIsNot) {
    Design design = HullOfTons(100);
    design.SetShipName("A&B <i>");
    design.Slots[Slot::PlantFuel].MISCSTR[2] = "0000100000";  // "Weapons & Screens"
    design.Communicators[1] = Item("Comm \"Q\"", 1);
    ReportContext context = ContextOn2026December7();
    context.notes = std::vector<std::string>{"<script>x</script>"};
    const std::string page = HtmlPage(design, context);

    EXPECT_TRUE(Contains(page, "<title>A&amp;B &lt;i&gt;</title>"));
    EXPECT_TRUE(Contains(page, "Weapons &amp; Screens "));
    EXPECT_TRUE(Contains(page, "Comm &quot;Q&quot;"));
    EXPECT_TRUE(Contains(page, "\r\n&lt;script&gt;x&lt;/script&gt;\r\n"));
    EXPECT_TRUE(Contains(page, "Ship&#39;s Vehicles:<br>"));
    EXPECT_FALSE(Contains(page, "<i>"));
    EXPECT_FALSE(Contains(page, "<script>"));
    EXPECT_TRUE(Contains(page, "<br>&nbsp;ExtEnd excludes: "));
}

TEST(HtmlPageRunningLists, ExclusionListWrapsEarlierBecauseItCountsTheMarkup) {
    Design design = HullOfTons(100);
    design.Slots[Slot::PlantFuel].MISCSTR[2] = "1110000000";
    const std::string blank_heading(16, ' ');

    std::ostringstream text;
    WriteProfileText(text, design, ContextOn2026December7());
    EXPECT_TRUE(
        Contains(text.str(), blank_heading + "ExtEnd excludes: Maneuver (0g) Sensors Commo \r\n"));

    EXPECT_TRUE(Contains(HtmlPage(design), blank_heading +
                                               "<br>&nbsp;ExtEnd excludes: Maneuver (0g) "
                                               "Sensors \r\n" +
                                               blank_heading + "  Commo \r\n"));
}

TEST(HtmlPageSoundness, EmptyDesignWritesNoNulNanOrInfinity) {
    const std::string page = HtmlPage(Design{});
    EXPECT_EQ(page.find('\0'), std::string::npos);
    EXPECT_EQ(page.find("nan"), std::string::npos);
    EXPECT_EQ(page.find("inf"), std::string::npos);
    EXPECT_TRUE(Contains(page, "It mounts Jump Drive ?, Maneuver Drive ? and Power Plant ?,"));
    EXPECT_TRUE(page.ends_with("</body></html>\r\n"));
}

TEST(ClassicDriveLetters, LastColumnTheDriveReachesAtTheHullSize) {
    // 400 tons: "011223344556699999999999". Jump 2 reaches column 5, maneuver 4
    // column 9; a plant of rating 3 (3 × 243.75 MW per percent) column 7.
    Design design = HullOfTons(450);
    design.Slots[Slot::JumpDrive].USP = "2";
    design.Slots[Slot::ManeuverDrive].USP = "4";
    design.AvailableMW() = 3 * 243.75 * 4.5;
    const ClassicDriveLetters letters = ClassicDrives(design);
    EXPECT_EQ(letters.jump, "E");
    EXPECT_EQ(letters.maneuver, "J");
    EXPECT_EQ(letters.power_plant, "G");
}

TEST(ClassicDriveLetters, RatingZeroMountsNoLetterAndPastTheAlphabetIsZ) {
    Design design = HullOfTons(5000);
    design.Slots[Slot::JumpDrive].USP = "0";
    design.Slots[Slot::ManeuverDrive].USP = "A";  // a letter reads as 0
    design.AvailableMW() = 1e9;                   // reaches every column, the last one past "Z"
    const ClassicDriveLetters letters = ClassicDrives(design);
    EXPECT_EQ(letters.jump, "");
    EXPECT_EQ(letters.maneuver, "");
    EXPECT_EQ(letters.power_plant, "Z");
    EXPECT_TRUE(
        Contains(HtmlPage(design), "It mounts Jump Drive , Maneuver Drive  and Power Plant Z,"));
}

TEST(ClassicDriveLetters, HullsOutsideTheTableGiveQuestionMarks) {
    for (const double tons : {99.9, 5000.1}) {
        Design design = HullOfTons(tons);
        design.Slots[Slot::JumpDrive].USP = "1";
        const ClassicDriveLetters letters = ClassicDrives(design);
        EXPECT_EQ(letters.jump, "?") << tons;
        EXPECT_EQ(letters.maneuver, "?") << tons;
        EXPECT_EQ(letters.power_plant, "?") << tons;
    }
}

}  // namespace
}  // namespace korvane
