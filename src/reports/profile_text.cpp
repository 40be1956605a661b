#include "reports/profile_text.h"

#include "engine/digit_codes.h"
#include "engine/profile_code.h"
#include "model/rule_tables.h"
#include "model/text_helpers.h"
#include "reports/profile_sections.h"
#include "reports/report_text.h"

namespace korvane {

namespace {

void WriteCraftId(ReportText& text, const Design& design) {
    text.Heading("CRAFT ID:").Text(design.ShipName()).Text(" TL: ").Printed(design.DesignTL());
    text.EndLine();
    text.BlankHeading().Text("MCr").Formatted(design.TotalCr() / 1000000, "###,###.###");
    text.Text("  (")
        .Text(TrimmedEnd(design.Slots[Slot::ShipType].LABEL.view(), kSpacesAndNuls))
        .Text(")")
        .EndLine();
}

void WriteSpeeds(ReportText& text, const Design& design, const ProfileFigures& figures) {
    text.BlankHeading().Text("Speeds:").EndLine();
    text.Tab(19).Text("ATMOSPHERE").Tab(41).Text("MAX").Tab(61).Text("CRUISE").EndLine();
    for (const SpeedRow& row : SpeedRows(design, figures)) {
        const double cruise = 0.75 * row.max_kph;
        text.BlankHeading().Tab(19).Text(row.name).Tab(41);
        text.Formatted(row.max_kph, "#,###").Text("kph/").Formatted(row.max_kph / 1.6, "#,###");
        text.Text("mph").Tab(61);
        text.Formatted(cruise, "#,###").Text("kph/").Formatted(cruise / 1.6, "#,###").Text("mph");
        text.EndLine();
    }
}

void WriteWeapons(ReportText& text, const Design& design) {
    text.Heading("WEAPONS:").Plain(design.Hardpoints()).Text(" hardpoints; ");
    text.Plain(design.UsedHardpoints()).Text(" occupied; batteries bearing");
    text.Printed(design.Slots[Slot::Hull].MISCNUM[2]).Text("%").EndLine();

    bool first = true;
    for (std::size_t i = 1; i <= kTurretsMax; ++i) {
        const ComponentRecord& turret = design.Turrets[i];
        if (!Counts(turret)) {
            continue;
        }
        if (first) {
            text.BlankHeading().Text("Turrets:").EndLine();
            first = false;
        }
        const double batteries = LeadingNumber(turret.MISCSTR[2].view());
        text.BlankHeading().Text("  ").Text(turret.LABEL.view()).Text("x").Printed(turret.NUMBER);
        text.Text("in").Printed(batteries).Text(batteries == 1 ? "battery" : "batteries");
        text.EndLine();
    }

    first = true;
    for (std::size_t i = 1; i <= kBaysMax; ++i) {
        const ComponentRecord& bay = design.Bays[i];
        if (!Counts(bay)) {
            continue;
        }
        if (first) {
            text.BlankHeading().Text("Bays:").EndLine();
            first = false;
        }
        text.BlankHeading().Text("  ").Text(bay.LABEL.view()).Text("x").Printed(bay.NUMBER);
        text.Text("at Factor-").Text(bay.USP.view()).EndLine();
    }

    if (design.Slots[Slot::SpinalMount].NUMBER == 1) {
        text.BlankHeading().Text(design.Slots[Slot::SpinalMount].LABEL.view()).EndLine();
    }
    WriteMagazineLines(text, design, LineStart(kBlankHeading));
}

// Factors and counts per weapon type in the columns turrets (T), bays (B) and
// spinal mount (S). A row is shown for a type that has weapons; the bracketed
// figure is the batteries that bear when not all of them do.
void WriteCombatStatistics(ReportText& text, const Design& design) {
    const double bearing = design.Slots[Slot::Hull].MISCNUM[2];
    const int columns[4] = {0, 30, bearing == 100 ? 35 : 40, bearing == 100 ? 40 : 50};
    const auto& names = InitRuleTables().WeaponTypeNames;

    bool first = true;
    for (std::size_t r = 1; r <= kCombatStatisticsRows; ++r) {
        const auto& counts = design.WeaponCounts[r];
        const auto& factors = design.WeaponFactors[r];
        if (counts[1] + counts[2] + counts[3] <= 0) {
            continue;
        }
        if (first) {
            text.BlankHeading().Text("Combat Statistics:").EndLine();
            text.BlankHeading().Tab(columns[1]).Text(" T").Tab(columns[2]).Text(" B");
            text.Tab(columns[3]).Text(" S").EndLine();
            first = false;
        }

        text.BlankHeading().Text("    ").Text(names[r]);
        for (std::size_t k = 1; k <= 3; ++k) {
            text.Tab(columns[k] + 1).Text(factors[k] > 0 ? EncodeDigit(factors[k]) : "-");
        }
        // Only a spinal factor ends the line; after a "-" the first count's Tab
        // moves on to the next line.
        if (factors[3] > 0) {
            text.EndLine();
        }

        for (std::size_t k = 1; k <= 2; ++k) {
            if (counts[k] > 0) {
                text.Tab(columns[k]).Printed(counts[k]);
                if (bearing < 100) {
                    text.Text("(").Plain(BearingBatteries(design, counts[k])).Text(")");
                }
            }
        }
        if (counts[3] > 0) {
            text.Tab(columns[3]).Printed(counts[3]).EndLine();
        }
        text.EndLine();
    }
}

void WriteScreens(ReportText& text, const Design& design) {
    text.Heading("SCREENS:")
        .Text("DefDM=")
        .Printed(design.Slots[Slot::EmMask].MISCNUM[1])
        .EndLine();
    const SectionOpening indented = LineStart(kListContinuation);
    WriteCountedEntries(text, design.Screens, indented, indented);
}

// The heading is written even when no entry counts.
void WriteAccommodation(ReportText& text, const Design& design) {
    text.Heading("ACCOMMODATION:");
    WriteRunningList(text, design.Accommodations);
}

void WriteSubCraft(ReportText& text, const Design& design) {
    bool first = true;
    for (std::size_t i = 1; i <= kCraftMax; ++i) {
        const ComponentRecord& craft = design.Craft[i];
        if (!Counts(craft)) {
            continue;
        }
        if (first) {
            text.Heading("SUB CRAFT:");
            first = false;
        } else {
            text.BlankHeading();
        }
        text.Text(Trimmed(FullName(craft), kSpacesAndNuls)).Text(" x").Printed(craft.NUMBER);
        text.Printed(craft.MISCNUM[1]).Text("tons  Crew").Printed(craft.MISCNUM[3]);
        text.Text("TL ").Printed(craft.TL).EndLine();
    }
    const ComponentRecord& tube = design.Slots[Slot::LaunchTube];
    if (tube.MISCNUM[1] > 0) {
        text.BlankHeading().Text("Launch tube x").Printed(tube.MISCNUM[2]);
        text.Text(" displacement").Printed(tube.MISCNUM[1]).Text("tons").EndLine();
    }
}

void WriteNotes(ReportText& text, const ReportContext& context) {
    if (context.notes) {
        text.EndLine();
        for (const std::string& line : *context.notes) {
            if (line.find_first_not_of(' ') != std::string::npos) {
                text.Text(line).EndLine();
            }
        }
    }
    text.EndLine();
}

void WriteProfileCode(ReportText& text, const Design& design) {
    text.Heading("VELMARK:").Text(BuildProfileCode(design)).EndLine();
    text.BlankHeading().Text("TCJMPCC-ASMNGR-LEPMI-F").NextZone();
    text.Text("Weapons reflected are highest values.").EndLine();
    text.EndLine();
}

}  // namespace

std::string ProfileText(const Design& design, const ReportContext& context) {
    std::string out;
    out.reserve(32 * 1024);
    {
        ReportText text(out);
        const ProfileFigures figures = ComputeProfileFigures(design);

        WriteCraftId(text, design);
        WriteHullLines(text, design, figures, HeadingField("HULL:"));
        WritePowerLines(text, design, figures, HeadingField("POWER:"));
        WriteDrivesLines(text, design, figures, HeadingField("DRIVES:"));
        WriteSpeeds(text, design, figures);
        const SectionOpening blank_heading = LineStart(kBlankHeading);
        WriteCountedEntries(text, design.Communicators, HeadingField("COMMUNICATIONS:"),
                            blank_heading);
        WriteCountedEntries(text, design.Sensors, HeadingField("SENSORS:"), blank_heading);
        text.BlankHeading();
        WriteSensorScans(text, design);
        text.EndLine();
        WriteWeapons(text, design);
        WriteCombatStatistics(text, design);
        WriteScreens(text, design);
        WriteControlLines(text, design, HeadingField("CONTROL:"));
        WriteCrewLines(text, design, HeadingField("CREW:"));
        WriteAccommodation(text, design);
        WriteSubCraft(text, design);
        WriteOtherLines(text, design, figures, HeadingField("OTHER:"));
        WriteNotes(text, context);
        WriteProfileCode(text, design);
        WriteCredit(text, context.today);
        text.EndLine();
        text.EndLine();
    }
    return out;
}

void WriteProfileText(std::ostream& out, const Design& design, const ReportContext& context) {
    out << ProfileText(design, context);
}

}  // namespace korvane
