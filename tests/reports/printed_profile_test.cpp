#include "reports/printed_profile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "engine/profile_code.h"
#include "model/number_format.h"

namespace korvane {
namespace {

using std::chrono::December;

// Records every call as text, one recorded line per printed line:
// "[bold]@0|CRAFT ID:       |[regular]@40|Starlight TL: 15 …|".
class RecordingSurface : public PrintSurface {
public:
    void SetFont(std::string_view name, double points) override {
        current_ += "[font " + std::string(name) + " " + PlainNumber(points) + "]";
    }
    void SetBold(bool bold) override { current_ += bold ? "[bold]" : "[regular]"; }
    void PrintAt(double x_mm, std::string_view text) override {
        current_ += "@" + PlainNumber(x_mm) + "|" + std::string(text) + "|";
    }
    void EndLine() override {
        lines_.push_back(current_);
        current_.clear();
    }
    void EndDocument() override { current_ += "[end]"; }

    // The printed lines, and what follows the last line end.
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines = lines_;
        lines.push_back(current_);
        return lines;
    }

private:
    std::vector<std::string> lines_;
    std::string current_;
};

ReportContext ContextOn7December2026(std::optional<std::vector<std::string>> notes = std::nullopt) {
    ReportContext context;
    context.today = std::chrono::sys_days(std::chrono::year(2026) / December / 7);
    context.notes = std::move(notes);
    return context;
}

std::vector<std::string> Print(const Design& design, const ReportContext& context) {
    RecordingSurface surface;
    ShowProfile(surface, design, context);
    return surface.Lines();
}

std::vector<std::string> PrintNotes(std::vector<std::string> notes) {
    return Print(Design{}, ContextOn7December2026(std::move(notes)));
}

// The lines of the section under `heading`, the heading taken off the first
// one, without the empty line that closes the section.
std::vector<std::string> SectionLines(const std::vector<std::string>& lines, std::string heading) {
    heading.resize(16, ' ');
    const std::string start = "[bold]@0|" + heading + "|[regular]";
    const auto first = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(start) != std::string::npos;
    });
    if (first == lines.end()) {
        ADD_FAILURE() << "no heading " << heading;
        return {};
    }
    const auto end = std::find_if(first + 1, lines.end(), [](const std::string& line) {
        return line.starts_with("[bold]") || line.starts_with("@40|VELMARK:");
    });
    std::vector<std::string> section(first, end);
    section.front().erase(0, section.front().find(start) + start.size());
    EXPECT_EQ(section.back(), "") << heading << " ends without an empty line";
    section.pop_back();
    return section;
}

// The body of a section as printed at 40 mm, its lines joined by "\n".
std::string BodyOf(const Design& design, const std::string& heading) {
    std::string body;
    for (const std::string& line : SectionLines(Print(design, ContextOn7December2026()), heading)) {
        EXPECT_TRUE(line.starts_with("@40|") && line.ends_with("|")) << line;
        body += (body.empty() ? "" : "\n") + line.substr(4, line.size() - 5);
    }
    return body;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

ComponentRecord Entry(std::string_view label, double number) {
    ComponentRecord entry;
    entry.LABEL = label;
    entry.NUMBER = number;
    return entry;
}

// A design with something in every section, its figures set as a
// recalculation would leave them.
Design RichDesign() {
    Design design;
    auto& slots = design.Slots;
    design.SetShipName("Starlight Wanderer");
    design.DesignTL() = 15;
    design.TotalCr() = 123456789;
    slots[Slot::ShipType].LABEL = "Merchant";

    design.HullKL() = 13500;
    design.UsedKL() = 12000;
    design.TotalTons() = 12345.678;
    slots[Slot::Configuration].USP = "5";
    slots[Slot::Configuration].MISCNUM[6] = 2;
    slots[Slot::Armour].NUMBER = 40;
    slots[Slot::Armour].MISCSTR[1] = "Dense";
    slots[Slot::Armour].MISCSTR[2] = "2";

    slots[Slot::PowerPlant].LABEL = "Fusion Plant";
    slots[Slot::PowerPlant].KL = 675;
    design.AvailableMW() = 1234.56;
    slots[Slot::PlantFuel].NUMBER = 720;
    slots[Slot::PlantFuel].KL = 270;
    slots[Slot::PlantFuel].TONS = 20;
    slots[Slot::PlantFuel].MISCNUM[1] = 2000;
    slots[Slot::PlantFuel].MISCNUM[2] = 2;
    slots[Slot::PlantFuel].MISCSTR[2] = "1010000000";
    slots[Slot::FuelScoops].NUMBER = 1;
    slots[Slot::Purifiers].NUMBER = 1;
    slots[Slot::Purifiers].MISCNUM[10] = 6;

    slots[Slot::JumpDrive].USP = "2";
    slots[Slot::JumpDrive].KL = 1357.5;  // 90.5 and 181 before the fifth is added
    slots[Slot::JumpDrive].MISCNUM[1] = 1;
    slots[Slot::JumpFuel].KL = 2700;
    slots[Slot::JumpFuel].TONS = 200;
    slots[Slot::Avionics] = Entry("Adv Avionics", 1);
    slots[Slot::ManeuverDrive].USP = "3";
    slots[Slot::ManeuverDrive].KL = 675;
    slots[Slot::ManeuverDrive].MISCNUM[1] = 2;
    // Low-maintenance jump drives, high-performance maneuver drives, both overdrives.
    slots[Slot::DriveOptions].MISCNUM = {0, 0, 1, 1, 50, 100, 3, 3};

    design.Communicators[1] = Entry("Laser Comm", 2);
    design.Sensors[1] = Entry("Radar", 1);
    design.Sensors[2] = Entry("Neutrino", 1);
    design.SensorCodes = {"", "R", "D", "-", "F", "I", "S"};

    design.Hardpoints() = 10;
    design.UsedHardpoints() = 7;
    slots[Slot::Hull].MISCNUM[2] = 50;
    design.Turrets[1] = Entry("Triple Laser", 3);
    design.Turrets[1].MISCSTR[2] = "1";
    design.Turrets[2] = Entry("Dual Missile", 0);  // set to 0: counts nowhere
    design.Turrets[3] = Entry("Missile", 2);
    design.Turrets[3].MISCSTR[2] = "2 pairs";
    design.Bays[1] = Entry("Meson Bay", 1);
    design.Bays[1].USP = "C";
    slots[Slot::SpinalMount] = Entry("Particle Spinal", 1);
    slots[Slot::Magazine].NUMBER = 12;
    slots[Slot::Magazine].KL = 27;
    slots[Slot::Magazine].TONS = 2;
    slots[Slot::Magazine].MISCNUM[1] = 2;
    slots[Slot::Magazine].MISCNUM[3] = 1;
    design.WeaponCounts[1] = {0, 9, 0, 0};
    design.WeaponFactors[1] = {0, 2, 0, 0};
    design.WeaponCounts[2] = {0, 2, 0, 0};
    design.WeaponFactors[2] = {0, 1, 0, 0};
    design.WeaponCounts[6] = {0, 0, 0, 1};
    design.WeaponFactors[6] = {0, 0, 0, 20};
    design.WeaponCounts[7] = {0, 0, 1, 0};
    design.WeaponFactors[7] = {0, 0, 12, 0};

    slots[Slot::EmMask].MISCNUM[1] = 3;
    design.Screens[1] = Entry("Nuclear Damper", 1);
    design.Screens[2] = Entry("Meson Screen", 1);

    slots[Slot::MainComputer].LABEL = "Model 4";
    slots[Slot::BackupComputer].LABEL = "Model 2";
    slots[Slot::BackupComputer].CR = 1000;
    slots[Slot::Panels] = Entry("Holographic Linked", 12);
    slots[Slot::PanelAddOns].MISCNUM = {0, 2, 0, 1};
    design.Environment[1] = Entry("Heat and Light", 13500);
    design.Environment[1].MISCNUM[2] = 1;
    design.Environment[4] = Entry("Airlock", 4);
    slots[Slot::AuxiliaryBridge].NUMBER = 1;

    slots[Slot::Crew].MISCNUM = {0, 5, 10, 8, 0, 0, 0, 12, 3};
    slots[Slot::PassengersAndCrewTotal].MISCNUM = {0, 6, 0, 10, 0, 0, 0, 0, 0, 0, 42};

    design.Accommodations[1] = Entry("Stateroom", 20);
    design.Accommodations[2] = Entry("Low Berth", 10);
    design.Craft[1] = Entry("Pinnace", 2);
    design.Craft[1].MISCSTR[1] = "Mk II";
    design.Craft[1].MISCNUM[1] = 40;
    design.Craft[1].MISCNUM[3] = 2;
    slots[Slot::SubordinateCraft].TONS = 80;
    design.AntiHijack[1] = Entry("Security Guards", 4);
    design.CustomFeatures[1] = Entry("Ship's Library", 1);
    return design;
}

std::vector<std::string> GoldenLines(const std::string& name) {
    std::ifstream in(std::string(KORVANE_TEST_DATA) + "/reports/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(PrintedProfile, BodyTextsWrapAfterTheLastBlankWithinOneHundredCharacters) {
    const std::string a60(60, 'a');
    // The notes paragraph: each line trimmed and followed by one blank, so
    // exactly 100 characters here, printed on one line.
    auto lines = PrintNotes({a60 + " " + std::string(38, 'b')});
    auto at =
        std::find(lines.begin(), lines.end(), "@40|" + a60 + " " + std::string(38, 'b') + " |");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(*(at + 1), "");
    EXPECT_TRUE((at + 2)->starts_with("@40|VELMARK:|"));

    lines = PrintNotes({a60 + " " + std::string(39, 'b')});
    at = std::find(lines.begin(), lines.end(), "@40|" + a60 + " |");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(*(at + 1), "@40|" + std::string(39, 'b') + "|");
    EXPECT_EQ(*(at + 2), "");

    // The continuation starts at its first character that is not a blank.
    lines = PrintNotes({std::string(99, 'a') + "   b"});
    at = std::find(lines.begin(), lines.end(), "@40|" + std::string(99, 'a') + " |");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(*(at + 1), "@40|b|");
}

// First 100 characters without a blank break after their last ";" or ",",
// else after the 100th: nothing runs past the margin, nothing is lost.
TEST(PrintedProfile, BodyTextsWithoutABlankToBreakAtBreakAfterAPunctuationMarkOrTheHundredth) {
    const std::string a40(40, 'a');
    const std::string b40(40, 'b');
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {a40 + ";" + b40 + "," + std::string(60, 'c'),
         {a40 + ";" + b40 + ",", std::string(60, 'c')}},
        {a40 + "," + std::string(80, 'b'), {a40 + ",", std::string(80, 'b')}},
        {std::string(100, 'd') + ";" + std::string(20, 'e'),
         {std::string(100, 'd'), ";" + std::string(20, 'e')}},
        {std::string(230, 'x'),
         {std::string(100, 'x'), std::string(100, 'x'), std::string(30, 'x')}},
        {a40 + ";" + b40 + " " + std::string(60, 'c'),
         {a40 + ";" + b40 + " ", std::string(60, 'c')}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::vector<std::string> lines = PrintNotes({c.text});
        auto at = std::find(lines.begin(), lines.end(), "@40|" + c.lines.front() + "|");
        ASSERT_NE(at, lines.end());
        for (const std::string& line : c.lines) {
            ASSERT_NE(at, lines.end());
            EXPECT_EQ(*at++, "@40|" + line + "|");
        }
        EXPECT_EQ(*at, "");
    }
}

TEST(PrintedProfile, NotesAreOneParagraphOfTheirNonBlankLines) {
    const auto lines = PrintNotes(
        {"  Built at Rhylanor. ", "", "   ", std::string("Refitted\0twice", 14), "once."});
    auto at =
        std::find(lines.begin(), lines.end(), "@40|Built at Rhylanor. Refitted twice once. |");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(*(at + 1), "");
    EXPECT_TRUE((at - 1)->empty()) << "the notes follow the closing line of OTHER";
    EXPECT_TRUE((at + 2)->starts_with("@40|VELMARK:|"));

    const auto without = Print(Design{}, ContextOn7December2026());
    EXPECT_EQ(without.size() + 2, lines.size());
}

TEST(PrintedProfile, AnEmptyDesignPrintsEveryHeadingInOrderWithoutNanOrNul) {
    const auto lines = Print(Design{}, ContextOn7December2026());
    std::vector<std::string> headings;
    for (const auto& line : lines) {
        if (const auto at = line.find("[bold]@0|"); at != std::string::npos) {
            headings.push_back(line.substr(at + 9, 16));
        }
    }
    EXPECT_EQ(headings,
              (std::vector<std::string>{
                  "CRAFT ID:       ", "HULL:           ", "POWER:          ", "DRIVES:         ",
                  "COMMUNICATIONS: ", "SENSORS:        ", "WEAPONS:        ", "SCREENS:        ",
                  "CONTROL:        ", "CREW:           ", "ACCOMMODATION:  ", "SUB CRAFT:      ",
                  "OTHER:          "}));
    EXPECT_EQ(lines.front(),
              "[font Times New Roman 10][regular][bold]@0|CRAFT ID:       |[regular]"
              "@40| TL: 0  MCr.  ()|");
    EXPECT_EQ(SectionLines(lines, "COMMUNICATIONS:"), std::vector<std::string>{""});
    EXPECT_EQ(SectionLines(lines, "ACCOMMODATION:"), std::vector<std::string>{""});
    for (const auto& line : lines) {
        EXPECT_FALSE(Contains(line, "nan") || Contains(line, "inf") || Contains(line, "Speeds") ||
                     Contains(line, std::string(1, '\0')))
            << line;
    }
    EXPECT_EQ(lines.back(), "[end]");
}

TEST(PrintedProfile, PowerListsTheExcludedSystemsInOneSentence) {
    Design design;
    design.Slots[Slot::PlantFuel].MISCNUM[2] = 2;
    design.Slots[Slot::PlantFuel].MISCSTR[2] = "0101000000";
    EXPECT_EQ(BodyOf(design, "POWER:"),
              "0/0, =.Mw Duration=0hrs/0 days Extended Endurance=0hrs/0 days. No scoops, No "
              "purifiers, No EM Mask. \nExtEnd excludes: (2g)  Sensors, EMMask.");
    design.Slots[Slot::PlantFuel].MISCSTR[2] = "1000000001";  // the tenth system has no name
    EXPECT_TRUE(BodyOf(design, "POWER:").ends_with("\nExtEnd excludes:  Maneuver(2g) ,."));
    design.Slots[Slot::PlantFuel].MISCSTR[2] = "0000000000";
    EXPECT_TRUE(BodyOf(design, "POWER:").ends_with("\nExtEnd excludes: (2g)"));
}

TEST(PrintedProfile, DrivesNameTheAvionicsOnlyWhenFitted) {
    Design design;
    design.Slots[Slot::ManeuverDrive].USP = "2";
    design.Slots[Slot::Avionics].LABEL = "Fleet Avionics";
    EXPECT_EQ(BodyOf(design, "DRIVES:"), "Jump=  0/0, No avionics Maneuver=2G 0/0 Agility=0 ");
    design.Slots[Slot::Avionics].NUMBER = 1;
    design.Slots[Slot::DriveOptions].MISCNUM[1] = 1;
    EXPECT_EQ(
        BodyOf(design, "DRIVES:"),
        "Jump=  0/0, Fleet Avionics Maneuver=2G 0/0 Agility=0 Low Maintainence Maneuver drives ");
}

TEST(PrintedProfile, WeaponsKeepALineForEachRunningTextEvenWhenEmpty) {
    Design design;
    design.Hardpoints() = 4;
    design.UsedHardpoints() = 3;
    design.Slots[Slot::Hull].MISCNUM[2] = 100;
    design.Slots[Slot::Magazine].MISCNUM[1] = 2;  // missiles chosen, but no magazine fitted
    design.Slots[Slot::Magazine].NUMBER = 5;
    EXPECT_EQ(SectionLines(Print(design, ContextOn7December2026()), "WEAPONS:"),
              (std::vector<std::string>{"@40|4 hardpoints; 3 occupied; batteries bearing 100%|", "",
                                        "", ""}));
}

TEST(PrintedProfile, CombatStatisticsStandAtFixedPositions) {
    Design design;
    design.Slots[Slot::Hull].MISCNUM[2] = 50;
    design.WeaponCounts[1] = {0, 5, 1, 0};   // lasers in turrets and a bay
    design.WeaponFactors[1] = {0, 2, 0, 0};  // the bay's factor is not above 0
    design.WeaponCounts[6] = {0, 0, 0, 1};   // a particle spinal mount
    design.WeaponFactors[6] = {0, 0, 0, 20};
    design.WeaponFactors[7] = {0, 9, 9, 9};  // factors without counts show no row
    design.WeaponCounts[12] = {0, 4, 4, 4};  // the twelfth type is never shown
    const auto section = SectionLines(Print(design, ContextOn7December2026()), "WEAPONS:");
    const std::vector<std::string> statistics(section.begin() + 4, section.end());
    EXPECT_EQ(statistics, (std::vector<std::string>{
                              "@40|Combat Statistics:|",
                              "@77| T|@90| B|@102| S|",
                              "@50|Laser|@78|2|@91|-|@103|-|",
                              "@77| 5 (2)|@90| 1 (1)|",
                              "@50|Particle|@78|-|@91|-|@103|L|",
                              "@102| 1 |",
                              "",
                          }));

    design.Slots[Slot::Hull].MISCNUM[2] = 100;
    const auto all_bearing = SectionLines(Print(design, ContextOn7December2026()), "WEAPONS:");
    EXPECT_EQ(all_bearing[7], "@77| 5 |@90| 1 |");
}

TEST(PrintedProfile, ControlSaysWhenThereIsNoAuxiliaryBridge) {
    Design design;
    design.Slots[Slot::MainComputer].LABEL = "Model 4";
    design.Slots[Slot::Panels] = Entry("Linked", 12.7);
    design.Environment[1] = Entry("Heat and Light", 13500);
    design.Environment[1].MISCNUM[2] = 1;
    design.Environment[3] = Entry("Airlock", 4);
    EXPECT_EQ(
        BodyOf(design, "CONTROL:"),
        "Computer=Model 4 x 3, Panels=Linked x12 Heat and Light, Airlock x4 No auxiliary bridge");
}

TEST(PrintedProfile, OtherStatesOneJumpOnlyForAJumpCode) {
    Design design;
    design.Slots[Slot::JumpFuel].KL = 270;
    design.Slots[Slot::JumpDrive].MISCNUM[1] = 1;
    EXPECT_FALSE(Contains(BodyOf(design, "OTHER:"), "One jump")) << "a code never set";
    design.Slots[Slot::JumpDrive].USP = "0";
    EXPECT_EQ(
        BodyOf(design, "OTHER:"),
        "Cargo=0Kl/0 tons, EMLevel=Moderate, Fuel=270 Kl/20 tons, ObjSize=Small. Anti-hijack: ");
    design.Slots[Slot::JumpDrive].USP = "2";
    design.AntiHijack[12] = Entry("Guards", 4);  // the list reaches past the tenth entry
    EXPECT_TRUE(BodyOf(design, "OTHER:")
                    .ends_with("ObjSize=Small. One jump requires 90KL/6 \ntons of fuel. "
                               "Anti-hijack: Guards x4"));
}

TEST(PrintedProfile, EndsWithTheProfileCodeAndTheCreditLine) {
    Design design;
    design.Slots[Slot::JumpDrive].USP = "3";
    const auto lines = Print(design, ContextOn7December2026());
    ASSERT_GT(lines.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 7, lines.end()),
              (std::vector<std::string>{
                  "",
                  "@40|VELMARK:|@90|" + BuildProfileCode(design) + "|",
                  "@90|TCJMPCC-ASMNGR-LEPMI-F|@140|Weapons reflected are highest values.|",
                  "",
                  "@0|Designed by Korvane v 1.1 on Monday, December 7, 2026|",
                  "",
                  "[end]",
              }));
}

TEST(PrintedProfile, RichDesignMatchesItsGoldenLayout) {
    const auto lines = Print(RichDesign(), ContextOn7December2026(std::vector<std::string>{
                                               "  Built at Rhylanor. ", "", "Refitted once."}));
    EXPECT_EQ(lines, GoldenLines("printed_profile_rich.txt"));
}

}  // namespace
}  // namespace korvane
