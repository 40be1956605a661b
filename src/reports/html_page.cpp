#include "reports/html_page.h"

#include <cmath>

#include "engine/digit_codes.h"
#include "engine/profile_code.h"
#include "model/rule_tables.h"
#include "model/text_helpers.h"
#include "reports/classic_drives.h"
#include "reports/profile_sections.h"
#include "reports/report_text.h"

namespace korvane {

namespace {

constexpr std::string_view kRowEnd = "</td></tr>";
constexpr std::string_view kContinuationRow = "<tr><td></td><td>";

// Berths found among the accommodation, for the narrative.
struct Berths {
    double staterooms = 0;
    double low = 0;
};

// The first row of a section: the bold heading cell, then the body cell.
SectionOpening RowOpening(std::string_view heading) {
    return [heading](ReportText& page) {
        page.Markup("<tr><td valign=top><b>").Text(heading).Markup("</b></td><td>");
    };
}

void EndRow(ReportText& page) {
    page.Markup(kRowEnd).EndLine();
}

bool LabelContains(const ComponentRecord& entry, std::string_view word) {
    return LowerCase(entry.LABEL.view()).find(word) != std::string::npos;
}

void WriteHead(ReportText& page, const Design& design) {
    page.Markup("<html><head><title>").Text(Trimmed(design.ShipName(), kSpacesAndNuls));
    page.Markup("</title></head><body>");
    page.EndLine();
    page.Markup("<h1>").Text(design.ShipName()).Markup("</h1>").EndLine();
    page.Markup("<table width=100% border=0 valign=top>").EndLine();
}

void WriteCraftIdRow(ReportText& page, const Design& design) {
    page.Markup("<tr><td><b>").Text("CRAFT ID:").Markup("</b></td><td>");
    page.Text(design.ShipName()).Text(" TL: ").Printed(design.DesignTL());
    page.Text("MCr").Formatted(design.TotalCr() / 1000000, "###,###.###");
    page.Text("  (")
        .Text(TrimmedEnd(design.Slots[Slot::ShipType].LABEL.view(), kSpacesAndNuls))
        .Text(")");
    EndRow(page);
}

void WriteSpeedsTable(ReportText& page, const Design& design, const ProfileFigures& figures) {
    page.Markup(kContinuationRow).Text("Speeds:").EndLine();
    page.Markup("<table width=100% border=0>").EndLine();
    page.Markup("<tr><td>").Text("ATMOSPHERE").Markup("</td><td>").Text("MAX");
    page.Markup("</td><td>").Text("CRUISE").Markup("</td></tr>").EndLine();
    for (const SpeedRow& row : SpeedRows(design, figures)) {
        page.Markup("<tr><td>").Text(row.name);
        for (const double kph : {row.max_kph, 0.75 * row.max_kph}) {
            page.Markup("</td><td>").Formatted(kph, "#,###").Text("kph/");
            page.Formatted(kph / 1.6, "#,###").Text("mph");
        }
        page.EndLine();
    }
    page.Markup("</td></tr></table>").EndLine();
}

void WriteWeaponRows(ReportText& page, const Design& design) {
    RowOpening("WEAPONS:")(page);
    page.Plain(design.Hardpoints()).Text(" hardpoints; ").Plain(design.UsedHardpoints());
    page.Text(" occupied; batteries bearing")
        .Printed(design.Slots[Slot::Hull].MISCNUM[2])
        .Text("%");
    EndRow(page);

    bool first = true;
    for (std::size_t i = 1; i <= kTurretsMax; ++i) {
        const ComponentRecord& turret = design.Turrets[i];
        if (!Counts(turret)) {
            continue;
        }
        if (first) {
            page.Markup(kContinuationRow).Markup("&nbsp;&nbsp;").Text("Turrets:");
            EndRow(page);
            first = false;
        }
        const double batteries = LeadingNumber(turret.MISCSTR[2].view());
        page.Markup(kContinuationRow).Markup("&nbsp;&nbsp;&nbsp;&nbsp;");
        page.Text(turret.LABEL.view()).Text("x").Printed(turret.NUMBER).Text("in");
        page.Printed(batteries).Text(batteries == 1 ? "battery" : "batteries");
        EndRow(page);
    }

    first = true;
    for (std::size_t i = 1; i <= kBaysMax; ++i) {
        const ComponentRecord& bay = design.Bays[i];
        if (!Counts(bay)) {
            continue;
        }
        if (first) {
            page.Markup(kContinuationRow).Markup("&nbsp;&nbsp;").Text("Bays:");
            EndRow(page);
            first = false;
        }
        page.Markup(kContinuationRow).Markup("&nbsp;&nbsp;&nbsp;&nbsp;");
        page.Text(bay.LABEL.view()).Text("x").Printed(bay.NUMBER).Text("at Factor-");
        page.Text(bay.USP.view());
        EndRow(page);
    }

    if (design.Slots[Slot::SpinalMount].NUMBER == 1) {
        page.Markup(kContinuationRow)
            .Markup("&nbsp;&nbsp;")
            .Text(design.Slots[Slot::SpinalMount].LABEL.view());
        EndRow(page);
    }
    WriteMagazineLines(page, design, LineStart(kContinuationRow), kRowEnd);
}

// The page chooses its combat rows by their factors (the text file by its
// counts) and writes one line per mounting.
void WriteCombatRows(ReportText& page, const Design& design) {
    static constexpr std::string_view kMountings[] = {"Turrets: ", " Bays: ", " Spinal: "};
    const double bearing = design.Slots[Slot::Hull].MISCNUM[2];
    const auto& names = InitRuleTables().WeaponTypeNames;

    bool first = true;
    for (std::size_t r = 1; r <= kCombatStatisticsRows; ++r) {
        const auto& counts = design.WeaponCounts[r];
        const auto& factors = design.WeaponFactors[r];
        if (factors[1] + factors[2] + factors[3] <= 0) {
            continue;
        }
        if (first) {
            page.Markup(kContinuationRow).Text("Combat Statistics:");
            EndRow(page);
            first = false;
        }
        page.Markup(kContinuationRow).Markup("&nbsp;&nbsp;").Text(names[r]).Text(": ").EndLine();
        for (std::size_t k = 1; k <= 3; ++k) {
            if (factors[k] > 0) {
                page.Text(kMountings[k - 1]).Text(EncodeDigit(factors[k]));
            }
            if (k < 3) {
                if (counts[k] > 0 && factors[k] > 0) {
                    page.Text(" Bty ").Printed(counts[k]);
                    if (bearing < 100) {
                        page.Text("(").Plain(BearingBatteries(design, counts[k])).Text(")");
                    }
                }
                page.EndLine();
            } else if (factors[k] > 0) {
                page.Markup("</td><td></td><td></td><td>").Printed(counts[k]).EndLine();
            }
        }
        EndRow(page);
    }
}

void WriteScreenRows(ReportText& page, const Design& design) {
    RowOpening("SCREENS:")(page);
    page.Text("DefDM=").Printed(design.Slots[Slot::EmMask].MISCNUM[1]);
    EndRow(page);
    const SectionOpening continuation_row = LineStart(kContinuationRow);
    WriteCountedEntries(page, design.Screens, continuation_row, continuation_row, kRowEnd);
}

Berths WriteAccommodationRow(ReportText& page, const Design& design) {
    Berths berths;
    RowOpening("ACCOMMODATION:")(page);
    page.EndLine();
    for (std::size_t i = 1; i <= kAccommodationsMax; ++i) {
        const ComponentRecord& entry = design.Accommodations[i];
        if (!Counts(entry)) {
            continue;
        }
        page.Text(TrimmedEnd(entry.LABEL.view(), kSpacesAndNuls))
            .Text(" x ")
            .Plain(entry.NUMBER)
            .Text(" ")
            .EndLine();
        // A "low" stateroom counts in both sums.
        if (LabelContains(entry, "stateroom")) {
            berths.staterooms += entry.NUMBER;
        }
        if (LabelContains(entry, "low")) {
            berths.low += entry.NUMBER;
        }
    }
    EndRow(page);
    return berths;
}

// The craft's particulars after its name, as the SUB CRAFT row and the
// narrative write them.
void WriteCraftFigures(ReportText& page, const ComponentRecord& craft) {
    page.Text(" x").Printed(craft.NUMBER).Printed(craft.MISCNUM[1]).Text("tons  Crew");
    page.Printed(craft.MISCNUM[3]).Text("TL ").Printed(craft.TL).EndLine();
}

void WriteSubCraftRows(ReportText& page, const Design& design) {
    bool first = true;
    for (std::size_t i = 1; i <= kCraftMax; ++i) {
        const ComponentRecord& craft = design.Craft[i];
        if (!Counts(craft)) {
            continue;
        }
        if (first) {
            page.Markup("<tr><td valign=top><b>").Text("SUB CRAFT:").Markup("</b></td>");
            first = false;
        } else {
            page.Markup("<tr><td></td>");
        }
        page.EndLine();
        page.Markup("<td>").Text(FullName(craft));
        WriteCraftFigures(page, craft);
        EndRow(page);
    }
    const ComponentRecord& tube = design.Slots[Slot::LaunchTube];
    if (tube.MISCNUM[1] > 0) {
        page.Markup(kContinuationRow).Text("Launch tube x").Printed(tube.MISCNUM[2]);
        page.Text(" displacement").Printed(tube.MISCNUM[1]).Text("tons");
        EndRow(page);
    }
}

void WriteNotes(ReportText& page, const ReportContext& context) {
    if (!context.notes) {
        return;
    }
    page.EndLine();
    page.Markup("<p>").EndLine();
    for (const std::string& line : *context.notes) {
        if (line.find_first_not_of(' ') != std::string::npos) {
            page.Text(line).EndLine();
        }
    }
    page.Markup("</p>").EndLine();
}

void WriteProfileCode(ReportText& page, const Design& design) {
    page.EndLine();
    page.Markup("<br><b>").Text("VELMARK:").Markup("</b>").Text(BuildProfileCode(design));
    page.Markup("<br>").EndLine();
    page.Text("Weapons reflected are highest values.").Markup("<br>").EndLine();
    page.Markup("<br>").EndLine();
}

void EndSentence(ReportText& page) {
    page.Markup("<br>").EndLine();
}

// The design told in the terms of the game's classic rules.
void WriteNarrative(ReportText& page, const Design& design, const ProfileFigures& figures,
                    const Berths& berths, std::chrono::sys_days today) {
    const auto& slots = design.Slots;
    const double tons = design.HullKL() / kKlPerTon;
    const ClassicDriveLetters letters = ClassicDrives(design);

    page.Markup("<b>").Text("CLASSIC ZARNOTH: ").Markup("</b>").Text(design.ShipName());
    EndSentence(page);
    page.Text("Using a ").Printed(tons).Text(" ton hull, the ").Text(design.ShipName());
    page.Text(" is a ")
        .Text(TrimmedEnd(slots[Slot::ShipType].LABEL.view(), kSpacesAndNuls))
        .Text(".");
    EndSentence(page);
    page.Text("It mounts Jump Drive ").Text(letters.jump).Text(", Maneuver Drive ");
    page.Text(letters.maneuver).Text(" and Power Plant ").Text(letters.power_plant);
    page.Text(", giving a performance of Jump-")
        .Text(slots[Slot::JumpDrive].USP.view())
        .Text(" and ");
    page.Text(slots[Slot::ManeuverDrive].USP.view()).Text("G acceleration.");
    EndSentence(page);
    page.Text("Fuel tankage of ").Printed(std::floor(figures.FuelKl / kKlPerTon));
    page.Text(" tons supports the power plant for ")
        .Plain(std::floor(slots[Slot::PlantFuel].MISCNUM[1] / 24));
    page.Text(" days and one Jump-").Text(slots[Slot::JumpDrive].USP.view()).Text(".");
    EndSentence(page);
    page.Text("Adjacent to the bridge is a computer model/")
        .Text(TrimmedEnd(slots[Slot::MainComputer].LABEL.view(), kSpacesAndNuls));
    page.Text(".");
    EndSentence(page);
    page.Text("There are ").Printed(berths.staterooms).Text(" staterooms and ");
    page.Printed(berths.low).Text(" low berths.");
    EndSentence(page);

    page.Text("The ship has ").Printed(std::floor(tons / 100)).Text(" hardpoints and ");
    page.Printed(tons / 100).Text(" tons allocated for fire control. ").Markup("<br>");
    page.Text("Turrets:");
    EndSentence(page);
    for (std::size_t i = 1; i <= kTurretsMax; ++i) {
        const ComponentRecord& turret = design.Turrets[i];
        if (Counts(turret)) {
            page.Markup("&nbsp").Text(turret.LABEL.view()).Text("x").Printed(turret.NUMBER);
            EndSentence(page);
        }
    }

    page.Text("Ship's Vehicles:");
    EndSentence(page);
    for (std::size_t i = 1; i <= kCraftMax; ++i) {
        const ComponentRecord& craft = design.Craft[i];
        if (Counts(craft)) {
            page.Markup("&nbsp").Text(FullName(craft));
            WriteCraftFigures(page, craft);
            page.Markup("</br>").EndLine();
        }
    }

    page.Text("Cargo capacity is ");
    page.Plain(std::floor(design.HullKL() / kKlPerTon - design.UsedKL() / kKlPerTon));
    page.Text(" tons.");
    EndSentence(page);
    page.Text("The hull is ").EndLine();
    page.Text(slots[Slot::Configuration].MISCNUM[6] == 1 ? "unstreamlined." : "streamlined.");
    EndSentence(page);

    page.Text("Special Features:");
    EndSentence(page);
    for (std::size_t i = 1; i <= kCustomFeaturesMax; ++i) {
        const ComponentRecord& feature = design.CustomFeatures[i];
        if (Counts(feature)) {
            page.Markup("&nbsp").Text(FullName(feature)).Text("x").Printed(feature.NUMBER);
            EndSentence(page);
        }
    }

    const auto& positions = slots[Slot::Crew].MISCNUM;
    const auto& passengers = slots[Slot::PassengersAndCrewTotal].MISCNUM;
    const auto& crew_names = InitRuleTables().CrewCategoryNames;
    page.Text("The ").Text(design.ShipName()).Text(" requires a crew of ").Plain(passengers[10]);
    EndSentence(page);
    for (std::size_t i = 1; i <= 10; ++i) {
        if (positions[i] > 0) {
            page.Text(crew_names[i]).Text("=").Plain(positions[i]).Text(" ");
        }
    }
    EndSentence(page);
    page.Text("The ship can carry ").Printed(passengers[1] + passengers[2]);
    page.Text(" passengers and ").Printed(passengers[3]).Text(" low passengers.");
    EndSentence(page);
    page.Text("The ").Text(design.ShipName()).Text(" costs MCr");
    page.Formatted(design.TotalCr() / 1000000, "###,###.###");
    EndSentence(page);

    page.Markup("<br>");
    WriteCredit(page, today);
    EndSentence(page);
}

}  // namespace

std::string HtmlPageText(const Design& design, const ReportContext& context) {
    std::string out;
    out.reserve(32 * 1024);
    {
        ReportText page(out, TextEscaping::Html);
        const ProfileFigures figures = ComputeProfileFigures(design);

        WriteHead(page, design);
        WriteCraftIdRow(page, design);
        WriteHullLines(page, design, figures, RowOpening("HULL:"), kRowEnd);
        WritePowerLines(page, design, figures, RowOpening("POWER:"), "<br>&nbsp;");
        EndRow(page);
        WriteDrivesLines(page, design, figures, RowOpening("DRIVES:"));
        EndRow(page);
        WriteSpeedsTable(page, design, figures);
        const SectionOpening continuation_row = LineStart(kContinuationRow);
        WriteCountedEntries(page, design.Communicators, RowOpening("COMMUNICATIONS:"),
                            continuation_row, kRowEnd);
        WriteCountedEntries(page, design.Sensors, RowOpening("SENSORS:"), continuation_row,
                            kRowEnd);
        page.Markup(kContinuationRow);
        WriteSensorScans(page, design);
        EndRow(page);
        WriteWeaponRows(page, design);
        WriteCombatRows(page, design);
        WriteScreenRows(page, design);
        WriteControlLines(page, design, RowOpening("CONTROL:"));
        EndRow(page);
        WriteCrewLines(page, design, RowOpening("CREW:"));
        EndRow(page);
        const Berths berths = WriteAccommodationRow(page, design);
        WriteSubCraftRows(page, design);
        WriteOtherLines(page, design, figures, RowOpening("OTHER:"));
        EndRow(page);
        page.Markup("</table>").EndLine();

        WriteNotes(page, context);
        WriteProfileCode(page, design);
        WriteNarrative(page, design, figures, berths, context.today);
        page.Markup("</body></html>").EndLine();
    }
    return out;
}

void WriteHtmlPage(std::ostream& out, const Design& design, const ReportContext& context) {
    out << HtmlPageText(design, context);
}

}  // namespace korvane
