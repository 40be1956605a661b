#include "reports/printed_profile.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/digit_codes.h"
#include "engine/profile_code.h"
#include "model/number_format.h"
#include "model/program_identity.h"
#include "model/rule_tables.h"
#include "model/text_helpers.h"
#include "reports/profile_figures.h"
#include "reports/profile_sections.h"

namespace korvane {

namespace {

constexpr std::string_view kFontName = "Times New Roman";
constexpr double kFontPoints = 10;

constexpr double kHeadingMm = 0;
constexpr double kBodyMm = 40;
constexpr std::size_t kBodyWidth = 100;  // characters of one body line

// Combat statistics: the turret, bay and spinal mount columns.
constexpr double kCombatHeadingMm = 40;
constexpr double kWeaponNameMm = 50;
constexpr std::array<double, 4> kColumnHeadingMm = {0, 77, 90, 102};
constexpr std::array<double, 4> kFactorMm = {0, 78, 91, 103};
constexpr std::array<double, 4> kCountMm = kColumnHeadingMm;
constexpr std::array<std::string_view, 4> kColumnHeadings = {"", " T", " B", " S"};

constexpr double kProfileCodeMm = 90;
constexpr std::string_view kProfileCodeKey = "TCJMPCC-ASMNGR-LEPMI-F";

// A print zone is 14 columns from the left margin. A column at 10 points is
// taken as 2 mm, about the width of a capital, so that the zone after a line
// of capitals falls clear of its last letter.
constexpr double kColumnMm = 2;
constexpr double kZoneMm = 14 * kColumnMm;

double NextZoneMm(double start_mm, std::string_view text) {
    const double end_mm = start_mm + static_cast<double>(text.size()) * kColumnMm;
    return (std::floor(end_mm / kZoneMm) + 1) * kZoneMm;
}

// A text never set holds NUL bytes; they print as blanks.
std::string Blanked(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), '\0', ' ');
    return out;
}

template <std::size_t N>
std::string Full(const FixedText<N>& field) {
    return Blanked(field.view());
}

template <std::size_t N>
std::string TrimmedField(const FixedText<N>& field) {
    return std::string(TrimmedEnd(Full(field)));
}

double Int(double x) {
    return std::floor(x);
}

// part / whole, or 0 for a hull of no volume.
double Share(double part, double whole) {
    return whole != 0 ? part / whole : 0;
}

template <std::size_t Size>
bool AnyCounting(const std::array<ComponentRecord, Size>& table) {
    return std::any_of(table.begin() + 1, table.end(), Counts);
}

// The counting entries of a table, each written by `item`, separated by ", ".
template <std::size_t Size, typename Item>
std::string CountingEntries(const std::array<ComponentRecord, Size>& table, Item item) {
    std::string text;
    bool first = true;
    for (std::size_t i = 1; i < Size; ++i) {
        if (Counts(table[i])) {
            text += first ? "" : ", ";
            text += item(table[i]);
            first = false;
        }
    }
    return text;
}

std::string LabelAndCount(const ComponentRecord& entry) {
    return TrimmedField(entry.LABEL) + " x" + PlainNumber(entry.NUMBER);
}

// The 50-character name of a craft or custom feature: the label and three texts.
std::string LongName(const ComponentRecord& entry) {
    return Full(entry.LABEL) + Full(entry.MISCSTR[1]) + Full(entry.MISCSTR[2]) +
           Full(entry.MISCSTR[3]);
}

std::string CraftIdText(const Design& design) {
    return std::string(TrimmedEnd(Blanked(design.ShipName()))) +
           " TL: " + PlainNumber(design.DesignTL()) + "  MCr" +
           FormatPattern(design.TotalCr() / 1000000, "###,###.###") + "  (" +
           TrimmedField(design.Slots[Slot::ShipType].LABEL) + ")";
}

// "U", "S" or "A" by the streamlining index; nothing for an index out of range.
std::string ConfigLetter(double index) {
    constexpr std::string_view kLetters = "USA";
    const double position = std::round(index);
    if (position >= 1 && position <= static_cast<double>(kLetters.size())) {
        return std::string(1, kLetters[static_cast<std::size_t>(position) - 1]);
    }
    return "";
}

std::string HullText(const Design& design, const ProfileFigures& figures) {
    const auto& slots = design.Slots;
    return PlainNumber(figures.H15) + "/" + PlainNumber(Int(design.HullKL() / 6)) +
           ", Displacement=" + PlainNumber(design.HullKL() / kKlPerTon) +
           ", Config=" + Full(slots[Slot::Configuration].USP) +
           ConfigLetter(slots[Slot::Configuration].MISCNUM[6]) + ", " +
           "Armour=" + PlainNumber(slots[Slot::Armour].NUMBER) +
           TrimmedField(slots[Slot::Armour].MISCSTR[1]) + " (" +
           TrimmedField(slots[Slot::Armour].MISCSTR[2]) + "), " +
           " Loaded=" + FormatPattern(design.TotalTons(), "##,###,###.##") +
           ", Unloaded=" + FormatPattern(figures.UnloadedTons, "##,###,###.##");
}

// The systems left out of the extended endurance, the first after one blank and
// the others after ", ", with the g figure after position 1 whether or not that
// system is listed.
std::string ExclusionText(const ComponentRecord& fuel) {
    const auto& names = InitRuleTables().EnduranceSystemNames;
    std::string text = "ExtEnd excludes: ";
    bool any_listed = false;
    for (std::size_t i = 1; i <= 10; ++i) {
        if (fuel.MISCSTR[2][i - 1] == '1') {
            text += any_listed ? ", " : " ";
            text += names[i];
            any_listed = true;
        }
        if (i == 1) {
            text += "(" + PlainNumber(fuel.MISCNUM[2]) + "g) ";
        }
    }
    return text;
}

std::string PowerText(const Design& design, const ProfileFigures& figures) {
    const auto& slots = design.Slots;
    const ComponentRecord& fuel = slots[Slot::PlantFuel];
    const double plant_share =
        Int(Share(figures.H15 * slots[Slot::PowerPlant].KL, design.HullKL()));
    std::string text = PlainNumber(plant_share) + "/" + PlainNumber(2 * plant_share) + ", " +
                       TrimmedField(slots[Slot::PowerPlant].LABEL) + "=" +
                       FormatPattern(design.AvailableMW(), "###,###.#") + "Mw " +
                       "Duration=" + PlainNumber(fuel.NUMBER) + "hrs/" +
                       PlainNumber(Int(fuel.NUMBER / 24)) + " days " +
                       "Extended Endurance=" + PlainNumber(Int(fuel.MISCNUM[1])) + "hrs/" +
                       PlainNumber(Int(fuel.MISCNUM[1] / 24)) + " days. ";
    text += slots[Slot::FuelScoops].NUMBER == 1 ? "Scoops, " : "No scoops, ";
    text += slots[Slot::Purifiers].NUMBER == 1
                ? "Purifiers; whole tank in " + PlainNumber(slots[Slot::Purifiers].MISCNUM[10]) +
                      " hours, "
                : "No purifiers, ";
    text += slots[Slot::EmMask].NUMBER == 1 ? "EM Mask. " : "No EM Mask. ";
    text += ExclusionText(fuel);
    // A list that names a system is closed as a sentence.
    return fuel.MISCSTR[2].contains("1") ? std::string(Trimmed(text, kSpacesAndNuls)) + "." : text;
}

// A drive's share of the hull figure and its double; low-maintenance drives
// take a fifth more room, each figure rounded down.
struct DriveShares {
    double single = 0;
    double twice = 0;
};

DriveShares DriveSharesOf(const Design& design, double h15, double drive_kl, bool low_maintenance) {
    DriveShares shares;
    shares.single = Share(h15 * drive_kl, design.HullKL());
    shares.twice = 2 * shares.single;
    if (low_maintenance) {
        shares.single = Int(shares.single * 1.2);
        shares.twice = Int(shares.twice * 1.2);
    }
    return shares;
}

std::string DrivesText(const Design& design, const ProfileFigures& figures) {
    const auto& slots = design.Slots;
    const ComponentRecord& options = slots[Slot::DriveOptions];
    const bool low_maintenance_jump = options.MISCNUM[2] == 1;
    const bool low_maintenance_maneuver = options.MISCNUM[1] == 1;
    const bool high_performance = options.MISCNUM[3] == 1;
    const double displacement = design.HullKL() / kKlPerTon;

    const DriveShares jump =
        DriveSharesOf(design, figures.H15, slots[Slot::JumpDrive].KL, low_maintenance_jump);
    std::string text = "Jump=" + Full(slots[Slot::JumpDrive].USP) + " " +
                       PlainNumber(Int(jump.single)) + "/" + PlainNumber(Int(jump.twice)) + ", ";
    if (slots[Slot::JumpDrive].MISCNUM[1] > 0) {
        text += "Spare fuel for Jump-" + PlainNumber(slots[Slot::JumpDrive].MISCNUM[1]) + ", ";
    }
    text += slots[Slot::Avionics].NUMBER != 0 ? TrimmedField(slots[Slot::Avionics].LABEL) + " "
                                              : "No avionics ";
    if (options.MISCNUM[4] != 0) {
        text += "Jump OverDrive=" + PlainNumber(options.MISCNUM[4] + displacement) +
                " tons total; unladen value=" + "Jump-" + PlainNumber(options.MISCNUM[6]) + " ";
    }
    if (low_maintenance_jump) {
        text += "Low Maintainence Jump drives ";
    }

    const DriveShares maneuver =
        DriveSharesOf(design, figures.H15, slots[Slot::ManeuverDrive].KL, low_maintenance_maneuver);
    text += "Maneuver=" + Full(slots[Slot::ManeuverDrive].USP) + (high_performance ? ".5" : "") +
            "G " + PlainNumber(Int(maneuver.single)) + "/" + PlainNumber(Int(maneuver.twice)) +
            " Agility=" + PlainNumber(slots[Slot::ManeuverDrive].MISCNUM[1]) + " ";
    if (low_maintenance_maneuver) {
        text += "Low Maintainence Maneuver drives ";
    }
    if (high_performance) {
        text += "High Perfomance Maneuver drives ";
    }
    if (options.MISCNUM[5] != 0) {
        const double g = options.MISCNUM[7];
        text += "Maneuver OverDrive=" + PlainNumber(options.MISCNUM[5] + displacement) +
                " tons total; unladen value=" +
                (high_performance ? FormatPattern(g + 0.5, "0.0") : FormatPattern(g, "0")) + "g";
    }
    return text;
}

std::string SensorsText(const Design& design) {
    std::string text = CountingEntries(design.Sensors, LabelAndCount) + "  Sensor scans: ";
    constexpr std::array<std::string_view, 7> kScans = {
        "", "  AOS=", "  AOP=", "  POS=", "  POP=", "  PES=", "  PEP="};
    for (std::size_t i = 1; i <= 6; ++i) {
        text += std::string(kScans[i]) + design.SensorCodes[i];
    }
    return text;
}

std::string HardpointsText(const Design& design) {
    return PlainNumber(design.Hardpoints()) + " hardpoints; " +
           PlainNumber(design.UsedHardpoints()) + " occupied; batteries bearing " +
           PlainNumber(design.Slots[Slot::Hull].MISCNUM[2]) + "%";
}

std::string TurretItem(const ComponentRecord& turret) {
    const double batteries = LeadingNumber(Full(turret.MISCSTR[2]));
    return LabelAndCount(turret) + " in " + PlainNumber(batteries) +
           (batteries == 1 ? " battery" : " batteries");
}

std::string BayItem(const ComponentRecord& bay) {
    return LabelAndCount(bay) + " at Factor-" + Full(bay.USP);
}

std::string MagazineText(const ComponentRecord& magazine) {
    std::string text = "Missile magazine: HE=";
    if (magazine.MISCNUM[1] > 0) {
        text += PlainNumber(magazine.MISCNUM[1]) + " b/r";
    }
    if (magazine.MISCNUM[2] > 0) {
        text += " Atomic=" + PlainNumber(magazine.MISCNUM[2]) + " b/r";
    }
    if (magazine.MISCNUM[3] > 0) {
        text += " Antimatter=" + PlainNumber(magazine.MISCNUM[3]) + " b/r";
    }
    const double per_round = magazine.MISCNUM[1] + magazine.MISCNUM[2] + magazine.MISCNUM[3];
    return text + "  Total=" + PlainNumber(per_round * magazine.NUMBER) +
           " missiles. 1 b/r=" + PlainNumber(magazine.NUMBER) + " missiles";
}

std::string ScreensText(const Design& design) {
    return "DefDM=" + PlainNumber(design.Slots[Slot::EmMask].MISCNUM[1]) + "  " +
           CountingEntries(design.Screens, LabelAndCount);
}

std::string EnvironmentItem(const ComponentRecord& entry) {
    // An entry sized by the hull's volume shows no count.
    return entry.MISCNUM[2] == 1 ? TrimmedField(entry.LABEL) : LabelAndCount(entry);
}

std::string ControlText(const Design& design) {
    const auto& slots = design.Slots;
    std::string text = "Computer=" + TrimmedField(slots[Slot::MainComputer].LABEL) +
                       " x 3, Panels=" + TrimmedField(slots[Slot::Panels].LABEL) + " x" +
                       PlainNumber(Int(slots[Slot::Panels].NUMBER));
    if (slots[Slot::BackupComputer].CR > 0) {
        text += " Backup computer=" + TrimmedField(slots[Slot::BackupComputer].LABEL) + " x 3 ";
    }
    const ComponentRecord& add_ons = slots[Slot::PanelAddOns];
    if (add_ons.MISCNUM[1] > 0) {
        text += " HUD x" + PlainNumber(add_ons.MISCNUM[1]);
    }
    if (add_ons.MISCNUM[2] > 0) {
        text += " Lge holo x" + PlainNumber(add_ons.MISCNUM[2]);
    }
    if (add_ons.MISCNUM[3] > 0) {
        text += " HUD holo x" + PlainNumber(add_ons.MISCNUM[3]);
    }
    if (AnyCounting(design.Environment)) {
        text += " " + CountingEntries(design.Environment, EnvironmentItem);
    }
    text += slots[Slot::AuxiliaryBridge].NUMBER == 1 ? " Auxiliary bridge" : " No auxiliary bridge";
    return text;
}

std::string CrewText(const Design& design) {
    const auto& names = InitRuleTables().CrewCategoryNames;
    const ComponentRecord& crew = design.Slots[Slot::Crew];
    const ComponentRecord& passengers = design.Slots[Slot::PassengersAndCrewTotal];
    std::string text = "Crew=" + PlainNumber(passengers.MISCNUM[10]) + "; ";
    for (std::size_t i = 1; i <= 10; ++i) {
        if (crew.MISCNUM[i] > 0) {
            text += names[i] + "=" + PlainNumber(crew.MISCNUM[i]) + " ";
        }
    }
    for (std::size_t i = 1; i <= 3; ++i) {
        if (passengers.MISCNUM[i] > 0) {
            text += names[10 + i] + "=" + PlainNumber(passengers.MISCNUM[i]) + " ";
        }
    }
    return text;
}

std::string CraftItem(const ComponentRecord& craft) {
    return std::string(Trimmed(LongName(craft), kSpacesAndNuls)) + " x" +
           PlainNumber(craft.NUMBER) + " " + PlainNumber(craft.MISCNUM[1]) + " tons  Crew " +
           PlainNumber(craft.MISCNUM[3]);
}

std::string CustomFeatureItem(const ComponentRecord& feature) {
    return std::string(TrimmedEnd(LongName(feature))) + " x" + PlainNumber(feature.NUMBER);
}

// A jump code never set counts as "0", as in the profile code.
bool HasJumpCode(const ComponentRecord& jump_drive) {
    const char code = jump_drive.USP.first();
    return code != '0' && code != '\0';
}

std::string OtherText(const Design& design, const ProfileFigures& figures) {
    const double free_kl = design.HullKL() - design.UsedKL();
    std::string text = "Cargo=" + PlainNumber(Int(free_kl)) + "Kl/" +
                       PlainNumber(Int(design.HullKL() / kKlPerTon - design.UsedKL() / kKlPerTon)) +
                       " tons" + ", EMLevel=" + figures.EmissionLevel +
                       ", Fuel=" + PlainNumber(Int(figures.FuelKl)) + " Kl/" +
                       PlainNumber(Int(figures.FuelKl / kKlPerTon)) +
                       " tons, ObjSize=" + figures.ObjectSize;
    if (HasJumpCode(design.Slots[Slot::JumpDrive])) {
        text += ". One jump requires " + PlainNumber(figures.JumpFuelKl) + "KL/" +
                PlainNumber(Int(figures.JumpFuelKl / kKlPerTon)) + " tons of fuel";
    }
    text += ". Anti-hijack: " + CountingEntries(design.AntiHijack, LabelAndCount);
    if (AnyCounting(design.CustomFeatures)) {
        text += ". Custom Features: " + CountingEntries(design.CustomFeatures, CustomFeatureItem);
    }
    return text;
}

// The notes as one paragraph: each line that holds more than blanks, trimmed
// and followed by one blank.
std::string NotesParagraph(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        const std::string trimmed(Trimmed(Blanked(line), kSpacesAndNuls));
        if (!trimmed.empty()) {
            text += trimmed + " ";
        }
    }
    return text;
}

// "Designed by Korvane v 1.1 on …".
std::string CreditLine(std::chrono::sys_days today) {
    return "Designed by Korvane v" + PrintedNumber(AppVersionForReports()) + "on " +
           LongDate(today);
}

class ProfilePrinter {
public:
    ProfilePrinter(PrintSurface& surface, const Design& design)
        : surface_(surface), design_(design) {}

    void Line(double x_mm, std::string_view text) {
        if (!text.empty()) {
            surface_.PrintAt(x_mm, Blanked(text));
        }
        surface_.EndLine();
    }

    // A body text from 40 mm. A text longer than a line breaks after its last
    // blank within the first 100 characters; the rest, trimmed at both ends,
    // goes on at 40 mm on the next line.
    void Body(std::string_view text) {
        std::string rest = Blanked(text);
        while (rest.size() > kBodyWidth) {
            std::size_t end = rest.rfind(' ', kBodyWidth - 1);
            // First 100 characters without a blank break after their last ";"
            // or ",", else after the 100th, so that nothing runs past the margin.
            if (end == std::string::npos) {
                end = rest.find_last_of(";,", kBodyWidth - 1);
            }
            const std::size_t cut = end == std::string::npos ? kBodyWidth : end + 1;
            Line(kBodyMm, rest.substr(0, cut));
            rest = std::string(Trimmed(std::string_view(rest).substr(cut), kSpacesAndNuls));
        }
        Line(kBodyMm, rest);
    }

    void Heading(std::string_view heading) {
        std::string field(heading);
        field.resize(kHeadingWidth, ' ');
        surface_.SetBold(true);
        surface_.PrintAt(kHeadingMm, field);
        surface_.SetBold(false);
    }

    void Section(std::string_view heading, std::string_view body) {
        Heading(heading);
        Body(body);
        surface_.EndLine();
    }

    void Weapons() {
        Heading("WEAPONS:");
        Body(HardpointsText(design_));
        Body(AnyCounting(design_.Turrets)
                 ? "Turrets: " + CountingEntries(design_.Turrets, TurretItem)
                 : "");
        Body(AnyCounting(design_.Bays) ? "Bays: " + CountingEntries(design_.Bays, BayItem) : "");
        if (design_.Slots[Slot::SpinalMount].NUMBER == 1) {
            Body(Full(design_.Slots[Slot::SpinalMount].LABEL));
        }
        Body(design_.Slots[Slot::Magazine].KL > 0 ? MagazineText(design_.Slots[Slot::Magazine])
                                                  : "");
        CombatStatistics();
        surface_.EndLine();
    }

    // One row per weapon type that is mounted: its factor codes, then its
    // counts on the next line, each count of a turret or bay followed by the
    // batteries that bear when not all of them do.
    void CombatStatistics() {
        const auto& names = InitRuleTables().WeaponTypeNames;
        const double bearing = design_.Slots[Slot::Hull].MISCNUM[2];
        bool heading_printed = false;
        for (std::size_t row = 1; row <= kCombatStatisticsRows; ++row) {
            const auto& counts = design_.WeaponCounts[row];
            const auto& factors = design_.WeaponFactors[row];
            if (!(counts[1] + counts[2] + counts[3] > 0)) {
                continue;
            }
            if (!heading_printed) {
                Line(kCombatHeadingMm, "Combat Statistics:");
                for (std::size_t column = 1; column <= 3; ++column) {
                    surface_.PrintAt(kColumnHeadingMm[column], kColumnHeadings[column]);
                }
                surface_.EndLine();
                heading_printed = true;
            }
            surface_.PrintAt(kWeaponNameMm, names[row]);
            for (std::size_t column = 1; column <= 3; ++column) {
                surface_.PrintAt(kFactorMm[column],
                                 factors[column] > 0 ? EncodeDigit(factors[column]) : "-");
            }
            surface_.EndLine();
            for (std::size_t column = 1; column <= 3; ++column) {
                if (counts[column] > 0) {
                    std::string count = PrintedNumber(counts[column]);
                    if (column < 3 && bearing < 100) {
                        count += "(" + PlainNumber(BearingBatteries(design_, counts[column])) + ")";
                    }
                    surface_.PrintAt(kCountMm[column], count);
                }
            }
            surface_.EndLine();
            // As in the profile file, a spinal mount's count is followed by an empty line.
            if (counts[3] > 0) {
                surface_.EndLine();
            }
        }
    }

    void ProfileCode() {
        surface_.PrintAt(kBodyMm, "VELMARK:");
        Line(kProfileCodeMm, BuildProfileCode(design_));
        surface_.PrintAt(kProfileCodeMm, kProfileCodeKey);
        Line(NextZoneMm(kProfileCodeMm, kProfileCodeKey), "Weapons reflected are highest values.");
        surface_.EndLine();
    }

private:
    PrintSurface& surface_;
    const Design& design_;
};

}  // namespace

void ShowProfile(PrintSurface& surface, const Design& design, const ReportContext& context) {
    const ProfileFigures figures = ComputeProfileFigures(design);
    surface.SetFont(kFontName, kFontPoints);
    surface.SetBold(false);

    ProfilePrinter printer(surface, design);
    printer.Section("CRAFT ID:", CraftIdText(design));
    printer.Section("HULL:", HullText(design, figures));
    printer.Section("POWER:", PowerText(design, figures));
    printer.Section("DRIVES:", DrivesText(design, figures));
    printer.Section("COMMUNICATIONS:", CountingEntries(design.Communicators, LabelAndCount));
    printer.Section("SENSORS:", SensorsText(design));
    printer.Weapons();
    printer.Section("SCREENS:", ScreensText(design));
    printer.Section("CONTROL:", ControlText(design));
    printer.Section("CREW:", CrewText(design));
    printer.Section("ACCOMMODATION:", CountingEntries(design.Accommodations, LabelAndCount));
    printer.Section("SUB CRAFT:", CountingEntries(design.Craft, CraftItem));
    printer.Section("OTHER:", OtherText(design, figures));
    if (context.notes) {
        printer.Body(NotesParagraph(*context.notes));
        surface.EndLine();
    }
    printer.ProfileCode();
    printer.Line(kHeadingMm, CreditLine(context.today));
    surface.EndLine();
    surface.EndDocument();
}

std::string ProfileDocumentTitle(const Design& design) {
    const std::string name(Trimmed(ShownText(design.ShipName())));
    return name.empty() ? AppTitle() : name;
}

}  // namespace korvane
