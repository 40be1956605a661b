#include "engine/design_advice.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <utility>

#include "engine/breakdown.h"
#include "model/number_format.h"
#include "model/rule_tables.h"
#include "model/text_helpers.h"

namespace korvane {

namespace {

// The main window's editors, in the order it lists them.
enum class EditorSection { Hull, Power, Drives, Electronics, Weapons, Control, Crew, Craft, Other };

constexpr std::array<std::string_view, 9> kSectionNames = {
    "Hull", "Power", "Drives", "Electronics", "Weapons", "Control", "Crew", "Craft", "Other"};

constexpr int kCrewPositions = 10;
constexpr std::size_t kHighPassengers = 1;  // MISCNUM of the passenger slot
constexpr std::size_t kMidPassengers = 2;
constexpr std::size_t kLowPassengers = 3;

// The editor that shows what a part of the breakdown holds: the screens are
// the weapon systems editor's.
EditorSection EditorOf(BreakdownSection section) {
    constexpr std::array<EditorSection, kBreakdownSectionCount> kEditors = {
        EditorSection::Hull,        EditorSection::Power,   EditorSection::Drives,
        EditorSection::Electronics, EditorSection::Weapons, EditorSection::Weapons,
        EditorSection::Control,     EditorSection::Crew,    EditorSection::Craft,
        EditorSection::Other};
    return kEditors[static_cast<std::size_t>(section)];
}

struct ItemTableSection {
    std::size_t index;  // Design::Table
    BreakdownSection section;
    int counted;  // the entries the recalculation counts, from 1
};

constexpr ItemTableSection kItemTables[] = {
    {1, BreakdownSection::Electronics, kSensorsMax},
    {2, BreakdownSection::Electronics, kCommunicatorsMax},
    {3, BreakdownSection::Weapons, kTurretsMax},
    {4, BreakdownSection::Weapons, kBaysMax},
    {5, BreakdownSection::Screens, kScreensMax},
    {6, BreakdownSection::CrewAndAccommodation, kAccommodationsMax},
    {7, BreakdownSection::Craft, kCraftMax},
    {8, BreakdownSection::CrewAndAccommodation, kEnvironmentMax},
    {9, BreakdownSection::Other, kAntiHijackCounted},
    {10, BreakdownSection::Other, kCustomFeaturesMax},
};

struct SectionAdvice {
    EditorSection section;
    std::string text;
};

std::string LabelOf(const ComponentRecord& record) {
    return std::string(Trimmed(record.LABEL.view(), kSpacesAndNuls));
}

void AddAboveTechLevel(std::vector<SectionAdvice>& advice, EditorSection section,
                       const ComponentRecord& record, int design_tl) {
    if (record.TL > design_tl) {
        advice.push_back({section, LabelOf(record) + " is TL " + std::to_string(record.TL) +
                                       ", above the design's TL " + std::to_string(design_tl)});
    }
}

// A design without a tech level has that as a problem of its own; every
// component would be above it.
void AddComponentsAboveTechLevel(const Design& design, std::vector<SectionAdvice>& advice) {
    const int design_tl = design.DesignTL();
    if (design_tl <= 0) {
        return;
    }
    for (int number = 1; number <= kSlotCount; ++number) {
        const ComponentRecord& slot = design.Slots.ByNumber(number);
        const bool fitted = !Trimmed(slot.TABLE.view(), kSpacesAndNuls).empty() && slot.NUMBER > 0;
        if (fitted) {
            AddAboveTechLevel(advice, EditorOf(SectionOfSlot(number)), slot, design_tl);
        }
    }
    for (const ItemTableSection& table : kItemTables) {
        const std::span<const ComponentRecord> entries = design.Table(table.index);
        for (int i = 1; i <= table.counted; ++i) {
            const ComponentRecord& entry = entries[static_cast<std::size_t>(i)];
            if (entry.NUMBER > 0) {
                AddAboveTechLevel(advice, EditorOf(table.section), entry, design_tl);
            }
        }
    }
}

void AddCrewBelowDefaults(const Design& design, std::vector<SectionAdvice>& advice) {
    const ComponentRecord& crew = design.Slots[Slot::Crew];
    const RuleTables& rules = InitRuleTables();
    for (int position = 1; position <= kCrewPositions; ++position) {
        const auto field = static_cast<std::size_t>(position);
        const double wanted = LeadingNumber(crew.MISCSTR[field].view());
        const double actual = crew.MISCNUM[field];
        if (actual < wanted) {
            advice.push_back(
                {EditorSection::Crew, rules.CrewCategoryNames[field] + " " + PlainNumber(actual) +
                                          ", below its default " + PlainNumber(wanted)});
        }
    }
}

// The berths an accommodation entry gives, read from its label as the page's
// narrative reads it: "low" marks low berths; a stateroom sleeps one, a double
// stateroom two; a bunk, a couch or another berth one; anything else (a
// common area) none.
struct Berths {
    double beds = 0;
    double low = 0;
};

Berths BerthsOf(const ComponentRecord& entry) {
    const std::string label = LowerCase(LabelOf(entry));
    const auto has = [&label](std::string_view word) {
        return label.find(word) != std::string::npos;
    };
    if (has("low")) {
        return {0, entry.NUMBER};
    }
    if (has("stateroom")) {
        return {entry.NUMBER * (has("double") ? 2 : 1), 0};
    }
    if (has("bunk") || has("couch") || has("berth")) {
        return {entry.NUMBER, 0};
    }
    return {};
}

void AddTooFewBerths(const Design& design, std::vector<SectionAdvice>& advice) {
    Berths berths;
    for (int i = 1; i <= kAccommodationsMax; ++i) {
        const ComponentRecord& entry = design.Accommodations[static_cast<std::size_t>(i)];
        if (entry.NUMBER > 0) {
            const Berths given = BerthsOf(entry);
            berths.beds += given.beds;
            berths.low += given.low;
        }
    }
    double crew = 0;
    for (int position = 1; position <= kCrewPositions; ++position) {
        crew += design.Slots[Slot::Crew].MISCNUM[static_cast<std::size_t>(position)];
    }
    const ComponentRecord& passengers = design.Slots[Slot::PassengersAndCrewTotal];
    const double aboard =
        crew + passengers.MISCNUM[kHighPassengers] + passengers.MISCNUM[kMidPassengers];
    if (berths.beds < aboard) {
        std::string text = PlainNumber(berths.beds) + " berths for " + PlainNumber(crew) + " crew";
        if (aboard > crew) {
            text += " and " + PlainNumber(aboard - crew) + " high and mid passengers";
        }
        advice.push_back({EditorSection::Crew, std::move(text)});
    }
    const double frozen = passengers.MISCNUM[kLowPassengers];
    if (berths.low < frozen) {
        advice.push_back({EditorSection::Crew, PlainNumber(berths.low) + " low berths for " +
                                                   PlainNumber(frozen) + " low passengers"});
    }
}

}  // namespace

std::vector<Advice> DesignAdvice(const Design& design) {
    std::vector<SectionAdvice> found;
    AddComponentsAboveTechLevel(design, found);
    AddCrewBelowDefaults(design, found);
    AddTooFewBerths(design, found);
    std::stable_sort(
        found.begin(), found.end(),
        [](const SectionAdvice& a, const SectionAdvice& b) { return a.section < b.section; });
    std::vector<Advice> advice;
    advice.reserve(found.size());
    for (SectionAdvice& line : found) {
        advice.push_back({std::string(kSectionNames[static_cast<std::size_t>(line.section)]),
                          std::move(line.text)});
    }
    return advice;
}

}  // namespace korvane
