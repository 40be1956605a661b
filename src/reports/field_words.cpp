#include "reports/field_words.h"

#include "model/design.h"
#include "model/rule_tables.h"

namespace korvane {

namespace {

struct Words {
    std::string_view field;
    std::string_view words;
};

constexpr Words kRecordWords[] = {
    {"TABLE", "Catalog family"}, {"IDNUM", "Catalog id"},  {"LABEL", "Label"},
    {"NUMBER", "Number"},        {"KL", "Volume (kl)"},    {"TONS", "Mass (tons)"},
    {"CR", "Cost (MCr)"},        {"MW", "Power (MW)"},     {"USP", "Profile character"},
    {"TL", "Tech level"},        {"custom", "Custom row"},
};

// What a field holds in one slot (family empty) or in the entries of one
// catalog family (slot Empty).
struct Meaning {
    Slot slot;
    std::string_view family;
    std::string_view field;
    std::string_view words;
};

constexpr std::string_view kAnyFamily;

constexpr Meaning kMeanings[] = {
    {Slot::Hull, kAnyFamily, "KL", "Hull volume (kl)"},
    {Slot::Hull, kAnyFamily, "USP", "Size code"},
    {Slot::Hull, kAnyFamily, "MISCNUM2", "Batteries bearing (%)"},
    {Slot::Configuration, kAnyFamily, "USP", "Configuration code"},
    {Slot::Configuration, kAnyFamily, "MISCNUM1", "Mass factor"},
    {Slot::Configuration, kAnyFamily, "MISCNUM2", "Cost factor"},
    {Slot::Configuration, kAnyFamily, "MISCNUM3", "Unstreamlined factor"},
    {Slot::Configuration, kAnyFamily, "MISCNUM4", "Streamlined factor"},
    {Slot::Configuration, kAnyFamily, "MISCNUM5", "Airframe factor"},
    {Slot::Configuration, kAnyFamily, "MISCNUM6", "Streamlining"},
    {Slot::Armour, kAnyFamily, "NUMBER", "Armour value"},
    {Slot::Armour, kAnyFamily, "MISCNUM1", "Mass factor"},
    {Slot::Armour, kAnyFamily, "MISCNUM2", "Cost factor"},
    {Slot::Armour, kAnyFamily, "MISCNUM3", "Scaled by the armour table"},
    {Slot::Armour, kAnyFamily, "MISCSTR1", "Armour type"},
    {Slot::Armour, kAnyFamily, "MISCSTR2", "Armour code"},
    {Slot::PowerPlant, kAnyFamily, "KL", "Plant volume (kl)"},
    {Slot::PowerPlant, kAnyFamily, "MISCNUM1", "Fuel kl per kl and hour"},
    {Slot::PowerPlant, kAnyFamily, "MISCNUM2", "Fuel type"},
    {Slot::PowerPlant, kAnyFamily, "MISCNUM3", "MW per kl"},
    {Slot::PowerPlant, kAnyFamily, "MISCNUM4", "Tons per kl"},
    {Slot::PowerPlant, kAnyFamily, "MISCNUM5", "Cr per kl"},
    {Slot::PlantFuel, kAnyFamily, "NUMBER", "Hours of endurance"},
    {Slot::PlantFuel, kAnyFamily, "MISCNUM1", "Extended endurance (hours)"},
    {Slot::PlantFuel, kAnyFamily, "MISCNUM2", "Cruise G"},
    {Slot::PlantFuel, kAnyFamily, "MISCSTR1", "Left-out systems chosen"},
    {Slot::PlantFuel, kAnyFamily, "MISCSTR2", "Left-out systems"},
    {Slot::JumpDrive, kAnyFamily, "USP", "Jump rating"},
    {Slot::JumpDrive, kAnyFamily, "MISCNUM1", "Extra jumps of fuel"},
    {Slot::ManeuverDrive, kAnyFamily, "USP", "Maneuver rating"},
    {Slot::ManeuverDrive, kAnyFamily, "MISCNUM1", "Agility"},
    {Slot::FuelScoops, kAnyFamily, "NUMBER", "Fitted"},
    {Slot::Purifiers, kAnyFamily, "NUMBER", "Fitted"},
    {Slot::Purifiers, kAnyFamily, "MISCNUM1", "MW per kl of fuel"},
    {Slot::Purifiers, kAnyFamily, "MISCNUM2", "kl per kl of fuel"},
    {Slot::Purifiers, kAnyFamily, "MISCNUM3", "Tons per kl of fuel"},
    {Slot::Purifiers, kAnyFamily, "MISCNUM4", "Cr per kl of fuel"},
    {Slot::Purifiers, kAnyFamily, "MISCNUM10", "Hours to purify"},
    {Slot::Avionics, kAnyFamily, "NUMBER", "Fitted"},
    {Slot::EmMask, kAnyFamily, "NUMBER", "Fitted"},
    {Slot::EmMask, kAnyFamily, "MISCNUM1", "Defence modifier"},
    {Slot::SpinalMount, kAnyFamily, "USP", "Factor"},
    {Slot::SpinalMount, kAnyFamily, "MISCNUM1", "Hardpoints"},
    {Slot::Magazine, kAnyFamily, "NUMBER", "Missile load"},
    {Slot::Magazine, kAnyFamily, "MISCNUM1", "HE missiles"},
    {Slot::Magazine, kAnyFamily, "MISCNUM2", "Atomic missiles"},
    {Slot::Magazine, kAnyFamily, "MISCNUM3", "Antimatter missiles"},
    {Slot::MainComputer, kAnyFamily, "MISCNUM1", "Control divisor"},
    {Slot::MainComputer, kAnyFamily, "MISCNUM2", "Defence bonus"},
    {Slot::MainComputer, kAnyFamily, "MISCSTR1", "Model"},
    {Slot::BackupComputer, kAnyFamily, "MISCNUM1", "Control divisor"},
    {Slot::BackupComputer, kAnyFamily, "MISCNUM2", "Defence bonus"},
    {Slot::BackupComputer, kAnyFamily, "MISCSTR1", "Model"},
    {Slot::Panels, kAnyFamily, "NUMBER", "Panels"},
    {Slot::Panels, kAnyFamily, "MISCNUM1", "Control points per panel"},
    {Slot::PanelAddOns, kAnyFamily, "MISCNUM1", "Heads-up displays"},
    {Slot::PanelAddOns, kAnyFamily, "MISCNUM2", "Large holodisplays"},
    {Slot::PanelAddOns, kAnyFamily, "MISCNUM3", "Heads-up holodisplays"},
    {Slot::PassengersAndCrewTotal, kAnyFamily, "MISCNUM10", "Crew total"},
    {Slot::PassengersAndCrewTotal, kAnyFamily, "MISCSTR9", "Fixed positions"},
    {Slot::PassengersAndCrewTotal, kAnyFamily, "MISCSTR10", "Crew total by default"},
    {Slot::LaunchTube, kAnyFamily, "NUMBER", "Fitted"},
    {Slot::LaunchTube, kAnyFamily, "MISCNUM1", "Tons of the craft launched"},
    {Slot::ShipType, kAnyFamily, "LABEL", "Ship type"},
    {Slot::ShipType, kAnyFamily, "USP", "Type letter"},
    {Slot::AuxiliaryBridge, kAnyFamily, "NUMBER", "Fitted"},
    {Slot::DriveOptions, kAnyFamily, "MISCNUM1", "Maneuver option"},
    {Slot::DriveOptions, kAnyFamily, "MISCNUM2", "Jump option"},
    {Slot::DriveOptions, kAnyFamily, "MISCNUM3", "Second maneuver option"},
    {Slot::DriveOptions, kAnyFamily, "MISCNUM4", "Towed tons for the jump"},
    {Slot::DriveOptions, kAnyFamily, "MISCNUM5", "Towed tons for the maneuver"},
    {Slot::DriveOptions, kAnyFamily, "MISCNUM6", "Jump rating of the ship alone"},
    {Slot::DriveOptions, kAnyFamily, "MISCNUM7", "Maneuver rating of the ship alone"},

    {Slot::Empty, "SA", "MISCSTR1", "Scan letters"},
    {Slot::Empty, "SD", "MISCSTR1", "Scan letters"},
    {Slot::Empty, "SN", "MISCSTR1", "Scan letters"},
    {Slot::Empty, "SV", "MISCSTR1", "Scan letters"},
    {Slot::Empty, "SM", "MISCSTR1", "Scan letters"},
    {Slot::Empty, "SC", "MISCNUM1", "Power per kl of hull"},
    {Slot::Empty, "TR", "MISCNUM1", "Weapons for factor 1"},
    {Slot::Empty, "TR", "MISCNUM2", "Weapons for factor 2"},
    {Slot::Empty, "TR", "MISCNUM3", "Weapons for factor 3"},
    {Slot::Empty, "TR", "MISCNUM4", "Weapons for factor 4"},
    {Slot::Empty, "TR", "MISCNUM5", "Weapons for factor 5"},
    {Slot::Empty, "TR", "MISCNUM6", "Weapons for factor 6"},
    {Slot::Empty, "TR", "MISCNUM7", "Weapons for factor 7"},
    {Slot::Empty, "TR", "MISCNUM8", "Weapons for factor 8"},
    {Slot::Empty, "TR", "MISCNUM9", "Weapons for factor 9"},
    {Slot::Empty, "TR", "MISCNUM10", "Weapons for factor 10"},
    {Slot::Empty, "TR", "MISCSTR1", "Weapon mix"},
    {Slot::Empty, "BY", "MISCNUM1", "Hardpoints per bay"},
    {Slot::Empty, "BY", "MISCSTR1", "Factors from TL 8"},
    {Slot::Empty, "BY", "MISCSTR2", "Factors from TL 18"},
    {Slot::Empty, "EN", "MISCNUM1", "Fitted in a new design"},
    {Slot::Empty, "EN", "MISCNUM2", "Priced per kl"},
    {Slot::Empty, "AH", "MISCNUM1", "Fittings per 25 tons"},
    {Slot::Empty, "AH", "MISCNUM2", "In the default set"},
    {Slot::Empty, "CR", "MISCNUM1", "Displacement (tons)"},
    {Slot::Empty, "CR", "MISCNUM2", "Docking volume (kl)"},
    {Slot::Empty, "CR", "MISCNUM3", "Crew"},
    {Slot::Empty, "CR", "MISCSTR1", "Name, part 2"},
    {Slot::Empty, "CR", "MISCSTR2", "Name, part 3"},
    {Slot::Empty, "CR", "MISCSTR3", "Name, part 4"},
};

constexpr std::string_view kFigurePrefix = "MISCNUM";
constexpr std::string_view kTextPrefix = "MISCSTR";
// The passenger slot's first three figures and texts are crew categories 11 to 13.
constexpr int kPassengerCategories = 10;
constexpr int kPassengerCategoriesHeld = 3;

// The crew slots hold one crew category in each figure (its actual size)
// and text (its default size); the last three categories are the passengers.
std::string CrewWords(int slot, std::string_view field) {
    const bool figure = field.starts_with(kFigurePrefix);
    if (!figure && !field.starts_with(kTextPrefix)) {
        return {};
    }
    int index = 0;
    for (const char c : field.substr(kFigurePrefix.size())) {
        index = index * 10 + (c - '0');
    }
    int category = index;
    if (slot == static_cast<int>(Slot::PassengersAndCrewTotal)) {
        if (index < 1 || index > kPassengerCategoriesHeld) {
            return {};
        }
        category += kPassengerCategories;
    }
    if (category < 1 || category > kPassengerCategories + kPassengerCategoriesHeld) {
        return {};
    }
    const std::string name =
        InitRuleTables().CrewCategoryNames[static_cast<std::size_t>(category)] +
        (category > kPassengerCategories ? " passengers" : " crew");
    return figure ? name : name + " by default";
}

}  // namespace

std::string FieldWords(std::string_view field, int slot, std::string_view family) {
    for (const Meaning& meaning : kMeanings) {
        const bool here = meaning.slot == Slot::Empty
                              ? slot == 0 && !family.empty() && meaning.family == family
                              : static_cast<int>(meaning.slot) == slot;
        if (here && meaning.field == field) {
            return std::string(meaning.words);
        }
    }
    if (slot == static_cast<int>(Slot::Crew) ||
        slot == static_cast<int>(Slot::PassengersAndCrewTotal)) {
        if (std::string words = CrewWords(slot, field); !words.empty()) {
            return words;
        }
    }
    // The recalculation leaves a slot out of its totals by this flag.
    if (slot != 0 && field == "MISCNUM10") {
        return "Left out of the totals";
    }
    for (const Words& words : kRecordWords) {
        if (words.field == field) {
            return std::string(words.words);
        }
    }
    if (field.starts_with(kFigurePrefix)) {
        return "Figure " + std::string(field.substr(kFigurePrefix.size()));
    }
    if (field.starts_with(kTextPrefix)) {
        return "Text " + std::string(field.substr(kTextPrefix.size()));
    }
    return std::string(field);
}

std::string TotalWords(std::string_view total) {
    constexpr Words kTotals[] = {
        {"ShipName", "Ship name"},      {"DesignTL", "Tech level"},
        {"HullKL", "Hull volume (kl)"}, {"UsedKL", "Volume used (kl)"},
        {"TotalTons", "Mass (tons)"},   {"AvailableMW", "Power available (MW)"},
        {"UsedMW", "Power used (MW)"},  {"TotalCr", "Cost (MCr)"},
        {"Hardpoints", "Hardpoints"},   {"UsedHardpoints", "Hardpoints used"},
    };
    for (const Words& words : kTotals) {
        if (words.field == total) {
            return std::string(words.words);
        }
    }
    return std::string(total);
}

}  // namespace korvane
