#include "reports/profile_sections.h"

#include <cmath>

#include "model/number_format.h"
#include "model/program_identity.h"
#include "model/rule_tables.h"
#include "model/text_helpers.h"

namespace korvane {

namespace {

double Int(double x) {
    return std::floor(x);
}

// a / b, or 0 for a zero divisor, so no infinity reaches the report.
double Ratio(double a, double b) {
    return b == 0 ? 0 : a / b;
}

// The last line of a running list is written unless it holds only `unwritten`.
void EndListLine(ReportText& text, std::string_view unwritten) {
    if (text.Line() == unwritten) {
        text.DropLine();
    } else {
        text.EndLine();
    }
}

// Drive potential of the hull: H15 × the drive's volume / the hull volume, and
// twice that; low-maintenance drives take 1.2 times each, rounded down.
void WriteDrivePotential(ReportText& text, const Design& design, const ProfileFigures& figures,
                         const ComponentRecord& drive, bool low_maintenance) {
    double x = Ratio(figures.H15 * drive.KL, design.HullKL());
    double y = 2 * x;
    if (low_maintenance) {
        x = Int(x * 1.2);
        y = Int(y * 1.2);
    }
    text.Plain(Int(x)).Text("/").Plain(Int(y));
}

// A piece written only when its figure is above 0: label, n(figure), suffix.
void WriteIfPositive(ReportText& text, std::string_view label, double figure,
                     std::string_view suffix) {
    if (figure > 0) {
        text.Text(label).Plain(figure).Text(suffix);
    }
}

}  // namespace

void WrapLongLine(ReportText& text, std::size_t limit, std::string_view continuation) {
    if (text.Line().size() > limit) {
        text.EndLine();
        text.Markup(continuation);
    }
}

void WriteRunningList(ReportText& text, std::span<const ComponentRecord> entries) {
    for (const ComponentRecord& entry : entries.subspan(1)) {
        WrapLongLine(text, 60, kListContinuation);
        if (Counts(entry)) {
            text.Text(TrimmedEnd(entry.LABEL.view(), kSpacesAndNuls))
                .Text(" x ")
                .Plain(entry.NUMBER)
                .Text(" ");
        }
    }
    text.EndLine();
}

SectionOpening HeadingField(std::string_view heading) {
    return [heading](ReportText& text) { text.Heading(heading); };
}

SectionOpening LineStart(std::string_view start) {
    return [start](ReportText& text) { text.Markup(start); };
}

void WriteCountedEntries(ReportText& text, std::span<const ComponentRecord> entries,
                         const SectionOpening& first, const SectionOpening& later,
                         std::string_view line_end_markup) {
    bool is_first = true;
    for (const ComponentRecord& entry : entries.subspan(1)) {
        if (!Counts(entry)) {
            continue;
        }
        (is_first ? first : later)(text);
        is_first = false;
        text.Text(entry.LABEL.view()).Text("x").Printed(entry.NUMBER);
        text.Markup(line_end_markup).EndLine();
    }
}

void WriteHullLines(ReportText& text, const Design& design, const ProfileFigures& figures,
                    const SectionOpening& opening, std::string_view last_line_markup) {
    const auto& slots = design.Slots;
    static constexpr std::string_view kConfigLetters = "USA";
    const double config = std::round(slots[Slot::Configuration].MISCNUM[6]);
    const std::string_view config_letter =
        config >= 1 && config <= 3 ? kConfigLetters.substr(static_cast<std::size_t>(config) - 1, 1)
                                   : std::string_view();

    opening(text);
    text.Plain(figures.H15).Text("/").Plain(Int(design.HullKL() / 6));
    text.Text(", Displacement=").Plain(design.HullKL() / kKlPerTon);
    text.Text(", Config=")
        .Text(slots[Slot::Configuration].USP.view())
        .Text(config_letter)
        .Text(", ")
        .EndLine();

    text.BlankHeading().Text("Armour=").Plain(slots[Slot::Armour].NUMBER);
    text.Text(TrimmedEnd(slots[Slot::Armour].MISCSTR[1].view(), kSpacesAndNuls))
        .Text(" (")
        .Text(TrimmedEnd(slots[Slot::Armour].MISCSTR[2].view(), kSpacesAndNuls))
        .Text("), ");
    text.Text("Loaded=").Formatted(design.TotalTons(), "##,###,###.##");
    text.Text(", Unloaded=").Formatted(figures.UnloadedTons, "##,###,###.##");
    text.Markup(last_line_markup).EndLine();
}

void WritePowerLines(ReportText& text, const Design& design, const ProfileFigures& figures,
                     const SectionOpening& opening, std::string_view exclusion_markup) {
    const auto& slots = design.Slots;
    const ComponentRecord& endurance = slots[Slot::PlantFuel];
    const double plant_share =
        Int(Ratio(figures.H15 * slots[Slot::PowerPlant].KL, design.HullKL()));

    opening(text);
    text.Plain(plant_share).Text("/").Plain(2 * plant_share).Text(", ");
    text.Text(TrimmedEnd(slots[Slot::PowerPlant].LABEL.view(), kSpacesAndNuls))
        .Text("=")
        .Formatted(design.AvailableMW(), "###,###.#");
    text.Text("Mw ").Text("Duration=").Plain(endurance.NUMBER).Text("hrs/");
    text.Plain(Int(endurance.NUMBER / 24)).Text(" days").EndLine();

    text.BlankHeading().Text("Extended Endurance=").Plain(Int(endurance.MISCNUM[1])).Text("hrs/");
    text.Plain(Int(endurance.MISCNUM[1] / 24)).Text(" days").EndLine();

    text.BlankHeading()
        .Text(slots[Slot::FuelScoops].NUMBER == 1 ? "Scoops" : "No scoops")
        .EndLine();
    text.BlankHeading();
    if (slots[Slot::Purifiers].NUMBER == 1) {
        text.Text("Purifiers; whole tank in ")
            .Printed(slots[Slot::Purifiers].MISCNUM[10])
            .Text(" hours ");
    } else {
        text.Text("No purifiers");
    }
    text.EndLine();
    text.BlankHeading().Text(slots[Slot::EmMask].NUMBER == 1 ? "EM Mask" : "No EM Mask").EndLine();

    const auto& names = InitRuleTables().EnduranceSystemNames;
    text.BlankHeading().Markup(exclusion_markup).Text("ExtEnd excludes: ");
    for (std::size_t i = 1; i <= 10; ++i) {
        WrapLongLine(text, 60, kListContinuation);
        if (endurance.MISCSTR[2][i - 1] == '1') {
            text.Text(names[i]).Text(" ");
        }
        // The acceleration kept on extended endurance follows the first
        // position whether or not maneuver is left out.
        if (i == 1) {
            text.Text("(").Plain(endurance.MISCNUM[2]).Text("g) ");
        }
    }
    EndListLine(text, kListContinuation);
}

void WriteDrivesLines(ReportText& text, const Design& design, const ProfileFigures& figures,
                      const SectionOpening& opening) {
    const auto& slots = design.Slots;
    const ComponentRecord& options = slots[Slot::DriveOptions];
    const bool low_maintenance_jump = options.MISCNUM[2] == 1;
    const bool low_maintenance_maneuver = options.MISCNUM[1] == 1;
    const bool high_performance = options.MISCNUM[3] == 1;

    opening(text);
    text.Text("Jump=").Text(slots[Slot::JumpDrive].USP.view()).Text(" ");
    WriteDrivePotential(text, design, figures, slots[Slot::JumpDrive], low_maintenance_jump);
    text.Text(", ");
    if (slots[Slot::JumpDrive].MISCNUM[1] > 0) {
        text.Text("Spare fuel for Jump-").Plain(slots[Slot::JumpDrive].MISCNUM[1]).Text(", ");
    }
    text.Text(slots[Slot::Avionics].NUMBER != 0 ? slots[Slot::Avionics].LABEL.str() : "No avionics")
        .EndLine();

    if (options.MISCNUM[4] != 0) {
        text.BlankHeading().Text("Jump OverDrive=");
        text.Plain(options.MISCNUM[4] + design.HullKL() / kKlPerTon).Text(" tons total; ");
        text.Text("unladen value=").Text("Jump-").Plain(options.MISCNUM[6]).EndLine();
    }
    if (low_maintenance_jump) {
        text.BlankHeading().Text("Low Maintainence Jump drives ").EndLine();
    }

    text.BlankHeading().Text("Maneuver=").Text(slots[Slot::ManeuverDrive].USP.view());
    if (high_performance) {
        text.Text(".5");
    }
    text.Text("G ");
    WriteDrivePotential(text, design, figures, slots[Slot::ManeuverDrive],
                        low_maintenance_maneuver);
    text.Text(" Agility=").Plain(slots[Slot::ManeuverDrive].MISCNUM[1]).EndLine();
    if (low_maintenance_maneuver) {
        text.BlankHeading().Text("Low Maintainence Maneuver drives").EndLine();
    }
    if (high_performance) {
        text.BlankHeading().Text("High Perfomance Maneuver drives").EndLine();
    }

    if (options.MISCNUM[5] != 0) {
        text.BlankHeading().Text("Maneuver OverDrive=");
        text.Plain(options.MISCNUM[5] + design.HullKL() / kKlPerTon).Text(" tons total; ");
        text.Text("unladen value=");
        const double g = options.MISCNUM[7];
        if (high_performance) {
            text.Formatted(g + 0.5, "0.0");
        } else {
            text.Formatted(g, "0");
        }
        text.Text("g").EndLine();
    }
}

void WriteSensorScans(ReportText& text, const Design& design) {
    static constexpr std::string_view kScans[] = {
        "  AOS=", "  AOP=", "  POS=", "  POP=", "  PES=", "  PEP="};
    text.Text("Sensor scans: ");
    for (std::size_t i = 1; i <= 6; ++i) {
        text.Text(kScans[i - 1]).Text(design.SensorCodes[i]);
    }
}

void WriteMagazineLines(ReportText& text, const Design& design, const SectionOpening& opening,
                        std::string_view last_line_markup) {
    const ComponentRecord& magazine = design.Slots[Slot::Magazine];
    opening(text);
    text.Text("Missile magazine: HE=");
    WriteIfPositive(text, "", magazine.MISCNUM[1], " b/r");
    WriteIfPositive(text, " Atomic=", magazine.MISCNUM[2], " b/r");
    WriteIfPositive(text, " Antimatter=", magazine.MISCNUM[3], " b/r");
    text.EndLine();

    const double per_launcher = magazine.MISCNUM[1] + magazine.MISCNUM[2] + magazine.MISCNUM[3];
    text.BlankHeading().Text("Total=").Plain(per_launcher * magazine.NUMBER);
    text.Text(" missiles. 1 b/r=").Plain(magazine.NUMBER).Text(" missiles");
    text.Markup(last_line_markup).EndLine();
}

void WriteControlLines(ReportText& text, const Design& design, const SectionOpening& opening) {
    const auto& slots = design.Slots;
    opening(text);
    text.Text("Computer=")
        .Text(TrimmedEnd(slots[Slot::MainComputer].LABEL.view(), kSpacesAndNuls))
        .Text(" x 3, Panels=");
    text.Text(TrimmedEnd(slots[Slot::Panels].LABEL.view(), kSpacesAndNuls))
        .Text(" x")
        .Printed(Int(slots[Slot::Panels].NUMBER))
        .EndLine();

    if (slots[Slot::BackupComputer].CR > 0) {
        text.BlankHeading()
            .Text("Backup computer=")
            .Text(TrimmedEnd(slots[Slot::BackupComputer].LABEL.view(), kSpacesAndNuls));
        text.Text(" x 3").EndLine();
    }

    const auto& displays = slots[Slot::PanelAddOns].MISCNUM;
    if (displays[1] + displays[2] + displays[3] > 0) {
        text.BlankHeading();
        static constexpr std::string_view kDisplays[] = {"HUD x", "Lge holo x", "HUD holo x"};
        for (std::size_t i = 1; i <= 3; ++i) {
            if (displays[i] > 0) {
                text.Text(kDisplays[i - 1]).Printed(displays[i]);
            }
        }
        text.EndLine();
    }

    for (std::size_t i = 1; i <= kEnvironmentMax; ++i) {
        const ComponentRecord& entry = design.Environment[i];
        if (!Counts(entry)) {
            continue;
        }
        text.BlankHeading().Text(entry.LABEL.view());
        // A per-kl system serves the whole hull; its count is the volume served.
        if (entry.MISCNUM[2] != 1) {
            text.Text("x").Printed(entry.NUMBER);
        }
        text.EndLine();
    }

    if (slots[Slot::AuxiliaryBridge].NUMBER == 1) {
        text.BlankHeading().Text("Auxiliary bridge").EndLine();
    }
}

void WriteCrewLines(ReportText& text, const Design& design, const SectionOpening& opening) {
    const auto& positions = design.Slots[Slot::Crew].MISCNUM;
    const auto& passengers = design.Slots[Slot::PassengersAndCrewTotal].MISCNUM;
    const auto& names = InitRuleTables().CrewCategoryNames;

    opening(text);
    text.Text("Crew=").Plain(passengers[10]).EndLine();

    text.BlankHeading();
    for (std::size_t i = 1; i <= 10; ++i) {
        WrapLongLine(text, 65, kListContinuation);
        if (positions[i] > 0) {
            text.Text(names[i]).Text("=").Plain(positions[i]).Text(" ");
        }
    }
    for (std::size_t i = 1; i <= 3; ++i) {
        WrapLongLine(text, 65, kBlankHeading);
        if (passengers[i] > 0) {
            text.Text(names[10 + i]).Text("=").Plain(passengers[i]).Text(" ");
        }
    }
    EndListLine(text, kBlankHeading);
}

void WriteOtherLines(ReportText& text, const Design& design, const ProfileFigures& figures,
                     const SectionOpening& opening) {
    const auto& slots = design.Slots;
    opening(text);
    text.Text("Cargo=").Plain(Int(design.HullKL() - design.UsedKL())).Text("Kl/");
    text.Plain(Int(design.HullKL() / kKlPerTon - design.UsedKL() / kKlPerTon)).Text(" tons");
    text.Text(", EMLevel=").Text(figures.EmissionLevel).EndLine();

    text.BlankHeading().Text("Fuel=").Plain(Int(figures.FuelKl)).Text(" Kl/");
    text.Plain(Int(figures.FuelKl / kKlPerTon)).Text(" tons, ObjSize=").Text(figures.ObjectSize);
    text.EndLine();

    if (slots[Slot::JumpDrive].KL > 0) {
        text.BlankHeading().Text("One jump requires ").Plain(figures.JumpFuelKl).Text("KL/");
        text.Plain(Int(figures.JumpFuelKl / kKlPerTon)).Text(" tons of fuel").EndLine();
        text.EndLine();
    }

    text.BlankHeading().Text("Anti-hijack: ");
    WriteRunningList(text, design.AntiHijack);

    bool first = true;
    for (std::size_t i = 1; i <= kCustomFeaturesMax; ++i) {
        const ComponentRecord& entry = design.CustomFeatures[i];
        if (!Counts(entry)) {
            continue;
        }
        if (first) {
            text.BlankHeading().Text("Custom features:").EndLine();
            first = false;
        }
        text.BlankHeading().Text("  ").Text(FullName(entry)).Text("x").Printed(entry.NUMBER);
        text.EndLine();
    }
}

void WriteCredit(ReportText& text, std::chrono::sys_days today) {
    text.Text("Designed by Korvane v")
        .Printed(AppVersionForReports())
        .Text("on ")
        .Text(LongDate(today));
}

std::vector<SpeedRow> SpeedRows(const Design& design, const ProfileFigures& figures) {
    std::vector<SpeedRow> rows = {{"Vacc:", figures.VacuumSpeed}};
    if (design.Slots[Slot::Configuration].MISCNUM[6] > 1) {
        const double standard = figures.AtmosphereSpeed;
        rows.push_back({"Standard:", standard});
        rows.push_back({"Thin:", 1.5 * standard});
        rows.push_back({"Dense:", 0.75 * standard});
        rows.push_back({"Very dense", 0.25 * standard});
    }
    return rows;
}

double BearingBatteries(const Design& design, double count) {
    const double bearing = Int(design.Slots[Slot::Hull].MISCNUM[2] / 100 * count);
    return bearing < 1 ? 1 : bearing;
}

std::string FullName(const ComponentRecord& entry) {
    return entry.LABEL.str() + entry.MISCSTR[1].str() + entry.MISCSTR[2].str() +
           entry.MISCSTR[3].str();
}

}  // namespace korvane
