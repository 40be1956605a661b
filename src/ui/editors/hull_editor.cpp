#include "ui/editors/hull_editor.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "engine/digit_codes.h"
#include "model/number_format.h"
#include "model/text_helpers.h"
#include "ui/editors/form_fields.h"

namespace korvane::ui {

namespace {

constexpr int kConfigurations = 8;
constexpr int kArmourTypes = 5;
constexpr int kShipTypes = 50;
constexpr int kLowestTechLevel = 9;
constexpr int kHighestTechLevel = 21;
constexpr int kHighestArmourValue = 32;
constexpr int kDescriptionWidth = 50;
// One airlock for every full 100 tons of hull; the environment entry of the
// airlocks is the catalog's EN row 4.
constexpr double kKlPerAirlock = 100 * kKlPerTon;
constexpr int kAirlocksEntry = 4;

constexpr const char* kFreeArmourExplained =
    "As a default, the House Rule I employ skips adding mass and Cost for armour. This can be "
    "switched off here.";

// The last row whose text starts with `first`, as several armour types or
// ship types may share a letter.
std::optional<int> LastRowStartingWith(const ListBox& list, char first) {
    std::optional<int> found;
    for (int row = 0; row < list.Count(); ++row) {
        if (!list.Text(row).empty() && list.Text(row).front() == first) {
            found = row;
        }
    }
    return found;
}

}  // namespace

HullEditor::HullEditor(Session& session, DesignDocument& document, Prompter& prompter)
    : FormEditor(session, document, prompter, "Hull && Basic Data", "hull") {
    AddField(displacement, displacement_caption, "tons");
    AddField(configuration, configuration_caption);
    AddListField(streamlining, "streamlining");
    AddField(armour_type, armour_type_caption);
    AddField(armour_value, armour_value_caption);
    AddField(free_armour);
    AddField(description, description_caption);
    AddField(classification, classification_caption);
    AddField(tech_level, tech_level_caption);
}

void HullEditor::ExplainFreeArmour() {
    prompter().ShowMessage(Title(), kFreeArmourExplained, MessageIcon::Information);
}

void HullEditor::FillLists() {
    ForEachCatalogRow(catalog(), "CN", kConfigurations, [this](const ComponentRecord& row) {
        configuration.AddItem(row.LABEL.str(), row.IDNUM);
        return true;
    });
    ForEachCatalogRow(catalog(), "AT", kArmourTypes, [this](const ComponentRecord& row) {
        armour_type.AddItem(row.LABEL.str() + " (TL " + std::to_string(row.TL) + ")", row.IDNUM);
        return true;
    });
    streamlining.AddItem("Unstreamlined", 1);
    streamlining.AddItem("Streamlined", 2);
    streamlining.AddItem("Airframe", 3);
    ForEachCatalogRow(catalog(), "TY", kShipTypes, [this](const ComponentRecord& row) {
        classification.AddItem(row.USP.str() + " " + row.LABEL.str(), DecodeDigit(row.USP.first()));
        return true;
    });
    AddDigitCodes(armour_value, 0, kHighestArmourValue);
    AddDigitCodes(tech_level, kLowestTechLevel, kHighestTechLevel);
}

void HullEditor::ShowDesign(const Design& design) {
    const auto& slots = design.Slots;
    const ComponentRecord& armour = slots[Slot::Armour];
    displacement.text = NumberText(slots[Slot::Hull].KL / kKlPerTon);
    // The configuration's row is kept as its position in the catalog, id less one.
    configuration.Select(RowWithItemData(
        configuration, IdAtPosition(LeadingNumber(slots[Slot::Configuration].USP.view()))));
    streamlining.Select(PositionOf(slots[Slot::Configuration].MISCNUM[6] - 1));
    armour_type.Select(LastRowStartingWith(armour_type, armour.MISCSTR[1].first()));
    // The stored name is padded to its 50 characters; the box shows it without
    // the padding, so that a click lands after the name and typing extends it.
    shown_name_ = TrimmedEnd(design.ShipName(), kSpacesAndNuls);
    description.text = shown_name_;
    classification.Select(LastRowStartingWith(classification, slots[Slot::ShipType].USP.first()));
    // An armour value that is no digit code ("0", blank, never set) shows as "0".
    const std::string value = armour.MISCSTR[2].trimmed();
    const int code = value.size() == 1 ? DecodeDigit(value.front()) : -99;
    armour_value.Select(code < 0 ? 0 : code);
    tech_level.Select(design.DesignTL() - kLowestTechLevel);
    free_armour.checked = armour.MISCNUM[3] == 1;
}

// A list left without a selection keeps what the design has: looking up its
// row would find none and blank the configuration or the armour.
std::vector<FormEditor::NumberField> HullEditor::NumberFields() const {
    return {{displacement_caption, displacement}};
}

void HullEditor::StoreControls(Design& ship) {
    auto& slots = ship.Slots;

    // A name left as shown keeps its stored bytes, padding and never-set parts alike.
    if (description.text != shown_name_) {
        ship.SetShipName(description.text.substr(0, kDescriptionWidth));
    }

    slots[Slot::Hull].KL = NumberIn(displacement) * kKlPerTon;
    // A hull of no size, or a negative one, has no airlocks (not a negative count).
    ship.Environment[kAirlocksEntry].NUMBER =
        std::max(0.0, std::floor(slots[Slot::Hull].KL / kKlPerAirlock));

    if (const std::optional<int> row = configuration.Selected()) {
        const int id = configuration.ItemData(*row);
        slots[Slot::Configuration] = catalog().LookupComponent("CN", id);
        slots[Slot::Configuration].USP = std::to_string(id - 1);
    }
    if (const std::optional<int> row = streamlining.Selected()) {
        slots[Slot::Configuration].MISCNUM[6] = *row + 1;
    }

    ComponentRecord& armour = slots[Slot::Armour];
    if (const std::optional<int> row = armour_type.Selected()) {
        const ComponentRecord& type = catalog().LookupComponent("AT", armour_type.ItemData(*row));
        armour.MISCSTR[1] = type.LABEL.view().substr(0, armour.MISCSTR[1].kWidth);
        armour.MISCNUM[1] = type.TONS;
        armour.MISCNUM[2] = type.CR;
        armour.TABLE = type.TABLE;
        armour.IDNUM = type.IDNUM;
    }
    if (const std::optional<int> row = armour_value.Selected()) {
        armour.MISCSTR[2] = armour_value.Text(*row);
    }
    armour.MISCNUM[3] = Flag(free_armour);

    if (const std::optional<int> row = classification.Selected()) {
        const std::string& type = classification.Text(*row);
        slots[Slot::ShipType].USP = type.substr(0, 1);
        slots[Slot::ShipType].LABEL = type.size() > 2 ? type.substr(2) : std::string();
    }
    if (const std::optional<int> row = tech_level.Selected()) {
        ship.DesignTL() = static_cast<std::int16_t>(*row + kLowestTechLevel);
    }
}

}  // namespace korvane::ui
