#include "engine/design_diff.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

#include "engine/profile_code.h"
#include "model/number_format.h"
#include "model/record_fields.h"
#include "model/text_helpers.h"

namespace korvane {

namespace {

constexpr double kCreditsPerMCr = 1'000'000;

constexpr std::array<std::string_view, kSlotCount + 1> kSlotNames = {
    "",
    "Hull",
    "Configuration",
    "Armour",
    "Power plant",
    "Plant fuel",
    "Jump drive",
    "Jump fuel",
    "Maneuver drive",
    "Fuel scoops",
    "Purifiers",
    "Sensors",
    "Avionics",
    "Communicators",
    "EM mask",
    "Weapons",
    "Spinal mount",
    "Screens",
    "Magazine",
    "Main computer",
    "Backup computer",
    "Control panels",
    "Panel add-ons",
    "Crew",
    "Passengers and crew total",
    "Accommodation",
    "Launch tube",
    "Subordinate craft",
    "Environment",
    "Anti-hijack",
    "Custom features",
    "Ship type",
    "Auxiliary bridge",
    "Drive options",
};

struct ItemTableInfo {
    std::size_t index;  // Design::Table
    std::string_view name;
    BreakdownSection section;
};

constexpr ItemTableInfo kItemTables[] = {
    {1, "Sensors", BreakdownSection::Electronics},
    {2, "Communicators", BreakdownSection::Electronics},
    {3, "Turrets", BreakdownSection::Weapons},
    {4, "Bays", BreakdownSection::Weapons},
    {5, "Screens", BreakdownSection::Screens},
    {6, "Accommodation", BreakdownSection::CrewAndAccommodation},
    {7, "Craft", BreakdownSection::Craft},
    {8, "Environment", BreakdownSection::CrewAndAccommodation},
    {9, "Anti-hijack", BreakdownSection::Other},
    {10, "Custom features", BreakdownSection::Other},
};

bool SameFigure(double a, double b) {
    return a == b || PlainNumber(a) == PlainNumber(b);
}

// Texts that read the same are the same, whether padded with blanks or NULs.
bool SameText(std::string_view a, std::string_view b) {
    return ShownText(a) == ShownText(b);
}

std::string_view UnitOf(std::string_view field) {
    if (field == "KL") {
        return "KL";
    }
    if (field == "TONS") {
        return "tons";
    }
    if (field == "MW") {
        return "MW";
    }
    if (field == "CR") {
        return "MCr";
    }
    return {};
}

double InUnit(std::string_view unit, double value) {
    return unit == "MCr" ? value / kCreditsPerMCr : value;
}

// A field of a record as a value of the difference.
DiffValue FieldValue(const ComponentRecord& record, std::size_t field) {
    const FieldInfo& info = RecordFields()[field];
    if (info.kind == FieldKind::Text) {
        return TextField(record, field);
    }
    return InUnit(UnitOf(info.name), NumberField(record, field));
}

std::vector<FieldDifference> FieldsThatDiffer(const ComponentRecord& before,
                                              const ComponentRecord& after) {
    std::vector<FieldDifference> differences;
    const auto& fields = RecordFields();
    for (std::size_t field = 0; field < fields.size(); ++field) {
        const bool same = fields[field].kind == FieldKind::Text
                              ? SameText(TextField(before, field), TextField(after, field))
                              : SameFigure(NumberField(before, field), NumberField(after, field));
        if (!same) {
            differences.push_back({std::string(fields[field].name),
                                   std::string(UnitOf(fields[field].name)),
                                   FieldValue(before, field), FieldValue(after, field)});
        }
    }
    return differences;
}

// A text that reads as more than blanks, or a number that is not 0.
bool IsSet(const ComponentRecord& entry, std::size_t field) {
    return RecordFields()[field].kind == FieldKind::Text
               ? !ShownText(TextField(entry, field)).empty()
               : NumberField(entry, field) != 0;
}

// The fields an entry on one side only carries: those that are set.
std::vector<FieldDifference> FieldsOfEntry(const ComponentRecord& entry, bool before) {
    std::vector<FieldDifference> fields;
    const auto& infos = RecordFields();
    for (std::size_t field = 0; field < infos.size(); ++field) {
        if (!IsSet(entry, field)) {
            continue;
        }
        FieldDifference difference{
            std::string(infos[field].name), std::string(UnitOf(infos[field].name)), {}, {}};
        (before ? difference.before : difference.after) = FieldValue(entry, field);
        fields.push_back(std::move(difference));
    }
    return fields;
}

// An entry that reads as none (texts of blanks, numbers 0) is no entry, even
// when its label was set to blanks.
bool ReadsEmpty(const ComponentRecord& entry) {
    if (IsEmptyEntry(entry)) {
        return true;
    }
    for (std::size_t field = 0; field < kRecordFieldCount; ++field) {
        if (IsSet(entry, field)) {
            return false;
        }
    }
    return true;
}

EntryDifference DifferenceOf(std::string place, BreakdownSection section,
                             const ComponentRecord& row, EntryChange change) {
    return {std::move(place), 0, section, row.TABLE.str(), row.IDNUM, row.LABEL.str(), change, {}};
}

void CompareSlots(const Design& before, const Design& after, DesignDifferences& differences) {
    for (int number = 1; number <= kSlotCount; ++number) {
        const ComponentRecord& a = before.Slots.ByNumber(number);
        const ComponentRecord& b = after.Slots.ByNumber(number);
        if (a == b) {
            continue;
        }
        std::vector<FieldDifference> fields = FieldsThatDiffer(a, b);
        if (fields.empty()) {
            continue;
        }
        std::string place = "Slot " + std::to_string(number);
        if (!kSlotNames[static_cast<std::size_t>(number)].empty()) {
            place += ", " + std::string(kSlotNames[static_cast<std::size_t>(number)]);
        }
        EntryDifference difference = DifferenceOf(std::move(place), SectionOfSlot(number),
                                                  IsEmptyEntry(b) ? a : b, EntryChange::Changed);
        difference.slot = number;
        difference.fields = std::move(fields);
        differences.entries.push_back(std::move(difference));
    }
}

// Entries of one catalog row are the same entry: custom features and other
// entries of no family are told apart by their label.
bool SameRow(const ComponentRecord& a, const ComponentRecord& b) {
    const std::string family = ShownText(a.TABLE.view());
    if (family != ShownText(b.TABLE.view())) {
        return false;
    }
    return family.empty() ? SameText(a.LABEL.view(), b.LABEL.view()) : a.IDNUM == b.IDNUM;
}

// Pairs each entry of `before` with an entry of the same catalog row in
// `after`: first the entries that are equal in every field, then the rest in
// their order, so that entries moved or swapped are no difference.
std::vector<std::size_t> PairEntries(std::span<const ComponentRecord> before,
                                     std::span<const ComponentRecord> after) {
    const std::size_t none = after.size();
    std::vector<std::size_t> partner(before.size(), none);
    std::vector<bool> taken(after.size(), false);
    const auto pair = [&](bool equal_only) {
        for (std::size_t i = 1; i < before.size(); ++i) {
            if (partner[i] != none || ReadsEmpty(before[i])) {
                continue;
            }
            for (std::size_t j = 1; j < after.size(); ++j) {
                if (!taken[j] && !ReadsEmpty(after[j]) && SameRow(before[i], after[j]) &&
                    (!equal_only || before[i] == after[j])) {
                    partner[i] = j;
                    taken[j] = true;
                    break;
                }
            }
        }
    };
    pair(true);
    pair(false);
    return partner;
}

void CompareItemTable(const ItemTableInfo& info, std::span<const ComponentRecord> before,
                      std::span<const ComponentRecord> after, DesignDifferences& differences) {
    const std::vector<std::size_t> partner = PairEntries(before, after);
    std::vector<bool> taken(after.size(), false);
    const std::string place(info.name);
    for (std::size_t i = 1; i < before.size(); ++i) {
        const ComponentRecord& a = before[i];
        if (ReadsEmpty(a)) {
            continue;
        }
        if (partner[i] == after.size()) {
            EntryDifference difference =
                DifferenceOf(place, info.section, a, EntryChange::OnlyBefore);
            difference.fields = FieldsOfEntry(a, true);
            differences.entries.push_back(std::move(difference));
            continue;
        }
        const ComponentRecord& b = after[partner[i]];
        taken[partner[i]] = true;
        if (a == b) {
            continue;
        }
        std::vector<FieldDifference> fields = FieldsThatDiffer(a, b);
        if (!fields.empty()) {
            EntryDifference difference = DifferenceOf(place, info.section, b, EntryChange::Changed);
            difference.fields = std::move(fields);
            differences.entries.push_back(std::move(difference));
        }
    }
    for (std::size_t j = 1; j < after.size(); ++j) {
        if (!taken[j] && !ReadsEmpty(after[j])) {
            EntryDifference difference =
                DifferenceOf(place, info.section, after[j], EntryChange::OnlyAfter);
            difference.fields = FieldsOfEntry(after[j], false);
            differences.entries.push_back(std::move(difference));
        }
    }
}

void CompareTotals(const Design& before, const Design& after, DesignDifferences& differences) {
    if (!SameText(before.ShipName(), after.ShipName())) {
        differences.totals.push_back({"ShipName", "", before.ShipName(), after.ShipName()});
    }
    struct Total {
        std::string_view name;
        std::string_view unit;
        double (*value)(const Design&);
    };
    static constexpr Total kTotals[] = {
        {"DesignTL", "", [](const Design& d) { return static_cast<double>(d.DesignTL()); }},
        {"HullKL", "KL", [](const Design& d) { return d.HullKL(); }},
        {"UsedKL", "KL", [](const Design& d) { return d.UsedKL(); }},
        {"TotalTons", "tons", [](const Design& d) { return d.TotalTons(); }},
        {"AvailableMW", "MW", [](const Design& d) { return d.AvailableMW(); }},
        {"UsedMW", "MW", [](const Design& d) { return d.UsedMW(); }},
        {"TotalCr", "MCr", [](const Design& d) { return d.TotalCr(); }},
        {"Hardpoints", "", [](const Design& d) { return d.Hardpoints(); }},
        {"UsedHardpoints", "", [](const Design& d) { return d.UsedHardpoints(); }},
    };
    for (const Total& total : kTotals) {
        const double a = total.value(before);
        const double b = total.value(after);
        if (!SameFigure(a, b)) {
            differences.totals.push_back({std::string(total.name), std::string(total.unit),
                                          InUnit(total.unit, a), InUnit(total.unit, b)});
        }
    }
}

std::vector<std::string> OnlyIn(const std::vector<std::string>& these,
                                const std::vector<std::string>& others) {
    std::vector<std::string> only;
    for (const std::string& item : these) {
        if (std::find(others.begin(), others.end(), item) == others.end()) {
            only.push_back(item);
        }
    }
    return only;
}

}  // namespace

std::vector<BreakdownSection> DesignDifferences::ChangedSections() const {
    std::array<bool, kBreakdownSectionCount> changed{};
    for (const EntryDifference& entry : entries) {
        changed[static_cast<std::size_t>(entry.section)] = true;
    }
    std::vector<BreakdownSection> sections;
    for (std::size_t s = 0; s < kBreakdownSectionCount; ++s) {
        if (changed[s]) {
            sections.push_back(static_cast<BreakdownSection>(s));
        }
    }
    return sections;
}

DesignDifferences CompareDesigns(const Design& before, const Design& after) {
    DesignDifferences differences;
    CompareTotals(before, after, differences);
    std::string code_before = BuildProfileCode(before);
    std::string code_after = BuildProfileCode(after);
    if (code_before != code_after) {
        differences.profile_code.emplace(std::move(code_before), std::move(code_after));
    }
    differences.problems_only_before = OnlyIn(before.Problems, after.Problems);
    differences.problems_only_after = OnlyIn(after.Problems, before.Problems);
    CompareSlots(before, after, differences);
    for (const ItemTableInfo& info : kItemTables) {
        CompareItemTable(info, before.Table(info.index), after.Table(info.index), differences);
    }
    return differences;
}

}  // namespace korvane
