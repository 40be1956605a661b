#include "reports/profile_text.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "report_test_support.h"

namespace korvane {
namespace {

using report_test::ContextOn2026December7;
using report_test::Item;

const std::string B(16, ' ');

std::vector<std::string> ProfileLines(const Design& design,
                                      const ReportContext& context = ContextOn2026December7()) {
    const std::string text = ProfileText(design, context);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "every line ends in CRLF";
    return lines;
}

// The line after the first line that starts with `prefix`.
std::string LineAfter(const std::vector<std::string>& lines, std::string_view prefix) {
    const auto at = std::find_if(lines.begin(), lines.end(),
                                 [&](const std::string& line) { return line.starts_with(prefix); });
    if (at == lines.end() || at + 1 == lines.end()) {
        ADD_FAILURE() << "no line after one starting with \"" << prefix << "\"";
        return {};
    }
    return *(at + 1);
}

// A design of the given hull volume and nothing else.
Design HullOf(double kl) {
    Design design;
    design.HullKL() = kl;
    design.Slots[Slot::Hull].MISCNUM[2] = 100;
    return design;
}

TEST(ProfileTextGolden, DefaultDesign) {
    report_test::ExpectGolden(ProfileText(report_test::DefaultDesign(), ContextOn2026December7()),
                              "profile_text_default.K2P");
}

TEST(ProfileTextGolden, RichDesignWithNotes) {
    ReportContext context = ContextOn2026December7();
    context.notes = report_test::RichNotes();
    report_test::ExpectGolden(ProfileText(report_test::RichDesign(), context),
                              "profile_text_rich.K2P");
}

TEST(ProfileTextSpeeds, HullThatCannotEnterAnAtmosphereHasOnlyTheVacuumRow) {
    Design design = HullOf(1350);
    design.Slots[Slot::Configuration].MISCNUM[6] = 1;
    design.Slots[Slot::ManeuverDrive].USP = "2";
    const auto lines = ProfileLines(design);
    EXPECT_EQ(LineAfter(lines, B + "Speeds:"), std::string(18, ' ') + "ATMOSPHERE" +
                                                   std::string(12, ' ') + "MAX" +
                                                   std::string(17, ' ') + "CRUISE");
    EXPECT_EQ(LineAfter(lines, std::string(18, ' ') + "ATMOSPHERE"),
              std::string(18, ' ') + "Vacc:" + std::string(17, ' ') + "2,120kph/1,325mph" +
                  std::string(3, ' ') + "1,590kph/994mph");
    EXPECT_TRUE(LineAfter(lines, std::string(18, ' ') + "Vacc:").starts_with(B + "Sensor scans:"));
}

TEST(ProfileTextDrives, LowMaintenanceRoundsEachFigureAsItStands) {
    // H15 × drive volume / hull volume = 1.5: Int(1.5 × 1.2) = 1, Int(3 × 1.2) = 3.
    Design design = HullOf(1500);
    design.Slots[Slot::JumpDrive].KL = 22.5;
    design.Slots[Slot::JumpDrive].USP = "1";
    design.Slots[Slot::DriveOptions].MISCNUM[2] = 1;
    const auto lines = ProfileLines(design);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "DRIVES:         Jump=1 1/3, No avionics"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), B + "Low Maintainence Jump drives "),
              lines.end());
}

TEST(ProfileTextRunningLists, ExclusionListLeavesNoEmptyContinuationButCrewListDoes) {
    Design design = HullOf(1350);
    // Sensors to "Weapons & Screens" take the line past 60 characters; the
    // wrap before position 6 then finds nothing more to list.
    design.Slots[Slot::PlantFuel].MISCSTR[2] = "0111100000";
    // Bridge to Screen Ops take the crew line past 65 characters.
    for (std::size_t i = 1; i <= 4; ++i) {
        design.Slots[Slot::Crew].MISCNUM[i] = 10;
    }
    const auto lines = ProfileLines(design);
    EXPECT_EQ(LineAfter(lines, B + "No EM Mask"),
              B + "ExtEnd excludes: (0g) Sensors Commo EMMask Weapons & Screens ");
    EXPECT_TRUE(LineAfter(lines, B + "ExtEnd excludes:").starts_with("DRIVES:"));

    EXPECT_EQ(LineAfter(lines, "CREW:"), B + "Bridge=10 Engineering=10 Gunners=10 Screen Ops=10 ");
    EXPECT_EQ(LineAfter(lines, B + "Bridge=10"), std::string(18, ' '));
}

TEST(ProfileTextCombatStatistics, FullBearingPutsColumnsAtThirtyThirtyFiveFortyWithoutBrackets) {
    Design design = HullOf(1350);
    design.WeaponFactors[1][1] = 2;
    design.WeaponCounts[1][1] = 3;
    design.WeaponFactors[1][2] = 4;
    design.WeaponCounts[1][2] = 1;
    const auto lines = ProfileLines(design);
    EXPECT_EQ(LineAfter(lines, B + "Combat Statistics:"),
              std::string(29, ' ') + " T" + "   " + " B" + "   " + " S");
    EXPECT_EQ(LineAfter(lines, std::string(29, ' ') + " T"),
              std::string(20, ' ') + "Laser" + std::string(5, ' ') + "2    4    -");
    EXPECT_EQ(LineAfter(lines, std::string(20, ' ') + "Laser"),
              std::string(29, ' ') + " 3 " + "  " + " 1 ");
}

TEST(ProfileTextCombatStatistics, PartialBearingBracketsAtLeastOneBattery) {
    Design design = HullOf(1350);
    design.Slots[Slot::Hull].MISCNUM[2] = 40;
    design.WeaponCounts[3][1] = 2;  // sandcasters without a factor are still shown
    design.WeaponCounts[3][2] = 5;
    const auto lines = ProfileLines(design);
    // Int(0.4 × 2) = 0 is raised to 1; Int(0.4 × 5) = 2.
    EXPECT_EQ(LineAfter(lines, std::string(20, ' ') + "Sand"),
              std::string(29, ' ') + " 2 (1)" + "    " + " 5 (2)");
}

TEST(ProfileTextEntries, EntriesOfZeroOrBelowAreLeftOutOfEverySection) {
    Design design = HullOf(1350);
    design.Communicators[1] = Item("Ghost", -1);
    design.Sensors[1] = Item("Ghost", 0);
    design.Turrets[1] = Item("Ghost", -2);
    design.Bays[1] = Item("Ghost", 0);
    design.Screens[1] = Item("Ghost", -1);
    design.Environment[1] = Item("Ghost", 0);
    design.Accommodations[1] = Item("Ghost", -3);
    design.Craft[1] = Item("Ghost", 0);
    design.AntiHijack[1] = Item("Ghost", -1);
    design.CustomFeatures[1] = Item("Ghost", 0);
    const std::string text = ProfileText(design, ContextOn2026December7());
    EXPECT_EQ(text.find("Ghost"), std::string::npos);
    EXPECT_EQ(text.find("COMMUNICATIONS:"), std::string::npos);
    EXPECT_EQ(text.find("SUB CRAFT:"), std::string::npos);
    EXPECT_EQ(text.find("Turrets:"), std::string::npos);
    EXPECT_EQ(text.find("Custom features:"), std::string::npos);
    EXPECT_NE(text.find("ACCOMMODATION:  \r\n"), std::string::npos);
    EXPECT_NE(text.find(B + "Anti-hijack: \r\n"), std::string::npos);
}

TEST(ProfileTextNotes, NotesOfOnlyEmptyLinesAddJustTheTwoEmptyLines) {
    ReportContext context = ContextOn2026December7();
    const auto without_notes = ProfileLines(HullOf(1350), context);
    context.notes = std::vector<std::string>{"", "    ", ""};
    const auto blank_notes = ProfileLines(HullOf(1350), context);

    ASSERT_EQ(blank_notes.size(), without_notes.size() + 1);
    const auto velmark = std::find_if(blank_notes.begin(), blank_notes.end(), [](const auto& line) {
        return line.starts_with("VELMARK:");
    });
    ASSERT_NE(velmark, blank_notes.end());
    EXPECT_EQ(*(velmark - 1), "");
    EXPECT_EQ(*(velmark - 2), "");
    EXPECT_TRUE((velmark - 3)->starts_with(B + "Anti-hijack:"));
}

TEST(ProfileTextSoundness, EmptyDesignWritesNoNulNanOrInfinity) {
    const std::string text = ProfileText(Design{}, ContextOn2026December7());
    EXPECT_EQ(text.find('\0'), std::string::npos);
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);
    EXPECT_NE(text.find("POWER:          0/0, =.Mw Duration=0hrs/0 days\r\n"), std::string::npos);
    EXPECT_NE(text.find("DRIVES:         Jump=  0/0, No avionics\r\n"), std::string::npos);
}

}  // namespace
}  // namespace korvane
