#pragma once

#include <chrono>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/design.h"
#include "reports/profile_figures.h"
#include "reports/report_text.h"

namespace korvane {

// The sections of the ship profile that the text file and the design page
// share. Each writes whole lines; what a section's first line starts with is
// passed in: the heading field in the text file, a table row opening on the page.
using SectionOpening = std::function<void(ReportText&)>;

// H("X"): the section's first line starts with its heading field.
SectionOpening HeadingField(std::string_view heading);
// A line that starts with fixed blanks or markup, written as they stand.
SectionOpening LineStart(std::string_view start);

// One line per counting entry of a table: LABEL (full), "x", p(NUMBER). The
// first line starts with `first`, the others with `later`; `line_end_markup`
// is written before each line ends.
void WriteCountedEntries(ReportText& text, std::span<const ComponentRecord> entries,
                         const SectionOpening& first, const SectionOpening& later,
                         std::string_view line_end_markup = {});

// The two hull lines. `last_line_markup` is written before the second line ends
// (the page closes its table row there).
void WriteHullLines(ReportText& text, const Design& design, const ProfileFigures& figures,
                    const SectionOpening& opening, std::string_view last_line_markup = {});

// Plant, endurance, scoops, purifiers, EM mask and the list of the systems the
// extended endurance leaves out; `exclusion_markup` is written before the
// list's "ExtEnd excludes: ".
void WritePowerLines(ReportText& text, const Design& design, const ProfileFigures& figures,
                     const SectionOpening& opening, std::string_view exclusion_markup = {});

// Jump and maneuver drives with their spare fuel, avionics, overdrives and
// drive notes.
void WriteDrivesLines(ReportText& text, const Design& design, const ProfileFigures& figures,
                      const SectionOpening& opening);

// "Sensor scans: " and the six scan codes, on the current line.
void WriteSensorScans(ReportText& text, const Design& design);

// The missile magazine line and its total line; `last_line_markup` is written
// before the total line ends.
void WriteMagazineLines(ReportText& text, const Design& design, const SectionOpening& opening,
                        std::string_view last_line_markup = {});

// Computers, panels, displays, environment and the auxiliary bridge.
void WriteControlLines(ReportText& text, const Design& design, const SectionOpening& opening);

// The crew total and the list of crew positions and passengers.
void WriteCrewLines(ReportText& text, const Design& design, const SectionOpening& opening);

// Cargo and emission level, fuel and object size, the fuel of one jump,
// anti-hijack and custom features. The opening is followed by "Cargo=".
void WriteOtherLines(ReportText& text, const Design& design, const ProfileFigures& figures,
                     const SectionOpening& opening);

// "Designed by Korvane v", the version, "on " and the long date, on the current line.
void WriteCredit(ReportText& text, std::chrono::sys_days today);

// Weapon types 1–11 have a combat statistics row; the twelfth never shows.
inline constexpr std::size_t kCombatStatisticsRows = 11;

// The rows of the speeds table: the vacuum row, and the atmosphere rows only
// for a hull that can enter an atmosphere (configuration index above 1).
struct SpeedRow {
    std::string_view name;
    double max_kph = 0;
};
std::vector<SpeedRow> SpeedRows(const Design& design, const ProfileFigures& figures);

// The batteries that bear of `count`, shown in brackets when not all of them
// do: Int(bearing % of the count), at least 1.
double BearingBatteries(const Design& design, double count);

// A text field as the reports trim it. A NUL of a never-set field is written
// as a blank, so it is trimmed like one.

// The 50-character name of a craft or custom feature: LABEL and MISCSTR1–3.
std::string FullName(const ComponentRecord& entry);

// The running lists of the profile (exclusions, crew, accommodation,
// anti-hijack): before each entry, a line longer than `limit` is written and
// the list goes on on a new line after `continuation`.
void WrapLongLine(ReportText& text, std::size_t limit, std::string_view continuation);

// A running list of a table's counting entries (from entry 1), "LABEL x
// NUMBER " each, wrapped after 60 characters; the line ends after the list.
void WriteRunningList(ReportText& text, std::span<const ComponentRecord> entries);

// B, the blank heading field, and where a running list goes on: B and two blanks.
inline constexpr std::string_view kListContinuation = "                  ";
inline constexpr std::string_view kBlankHeading = kListContinuation.substr(0, kHeadingWidth);
static_assert(kListContinuation.size() == kHeadingWidth + 2);

// Whether a table entry counts: its NUMBER is above 0.
inline bool Counts(const ComponentRecord& entry) {
    return entry.NUMBER > 0;
}

}  // namespace korvane
