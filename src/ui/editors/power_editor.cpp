#include "ui/editors/power_editor.h"

#include <cmath>
#include <optional>
#include <string>

#include "engine/plant_sizing.h"
#include "model/number_format.h"
#include "model/text_helpers.h"
#include "ui/editors/form_fields.h"

namespace korvane::ui {

namespace {

constexpr int kPlantRows = 999;
constexpr int kHighestCruiseG = 6;
constexpr int kLowBerthsSearched = 10;

constexpr const char* kNoSufficientSize = "No size of this plant gives the power the design uses.";
constexpr const char* kCruiseRefused = "Maneuver cruise G rating cannot exceed installed drives!";

constexpr const char* kExtendedEnduranceExplained =
    "The cruise G setting is a part of the extended endurance calculations; ie it seems "
    "unreasonable to base the ship's endurance based on constant full usage of drives, shields, "
    "guns and so on. So it allows you to nominate certain items to exclude from the endurance "
    "calcs, and one of them is top-speed maneuver. So you can select any value below the max "
    "installed to 'cruise' at";
constexpr const char* kOverdrivesExplained =
    "Jump overdrive allows a slightly faster jumprate than standard at a premium cost in "
    "engineers, money and fuel, though not over 6.  Maneuver overdrive is faster engines at the "
    "same prices. Low maintenance drives again cost more but require fewer engineers; also GMs "
    "can allow favourable malfunction and misjump DMs.";

std::string WholeNumberText(double value) {
    return NumberText(std::floor(value));
}

// "30 days, 4 weeks" for 720 hours.
std::string DaysAndWeeks(double hours) {
    return WholeNumberText(hours / 24) + " days, " + WholeNumberText(hours / 24 / 7) + " weeks";
}

// A plant as the catalog lists' details lines show a row: "1.5 Mw per kl
// Cr80,000.0 per kl  TL 12".
std::string PlantDetails(const ComponentRecord& row) {
    constexpr const char* kPattern = "#,###,##0.0";
    return FormatPattern(row.MISCNUM[3], kPattern) + " Mw per kl  Cr" +
           FormatPattern(row.MISCNUM[5], kPattern) + " per kl  TL " + std::to_string(row.TL);
}

bool HasLowBerths(const Design& design) {
    for (int i = 1; i <= kLowBerthsSearched; ++i) {
        if (design.Accommodations[i].LABEL.contains("Low")) {
            return true;
        }
    }
    return false;
}

}  // namespace

PowerEditor::PowerEditor(Session& session, DesignDocument& document, Prompter& prompter)
    : FormEditor(session, document, prompter, "Power", "power") {
    AddField(plant, plant_caption);
    AddField(plant_size, plant_size_caption);
    AddField(endurance_hours, endurance_caption);
    AddField(cruise_g, cruise_g_caption);
    for (CheckBox& exclusion : exclusions) {
        AddField(exclusion);
    }
}

void PowerEditor::FillLists() {
    ForEachCatalogRow(catalog(), "PP", kPlantRows, [this](const ComponentRecord& row) {
        plant.AddItem(row.LABEL.str(), row.IDNUM, PlantDetails(row));
        return true;
    });
    for (int g = 0; g <= kHighestCruiseG; ++g) {
        cruise_g.AddItem(std::to_string(g), g);
    }
}

void PowerEditor::ShowDesign(const Design& design) {
    const auto& slots = design.Slots;
    const ComponentRecord& fuel = slots[Slot::PlantFuel];
    plant.Select(RowWithItemData(plant, slots[Slot::PowerPlant].IDNUM));
    plant_size.text = NumberText(slots[Slot::PowerPlant].KL);
    endurance_hours.text = NumberText(fuel.NUMBER);
    extended_hours.caption = WholeNumberText(fuel.MISCNUM[1]);
    extended_days.caption = DaysAndWeeks(fuel.MISCNUM[1]);

    for (int k = 0; k < kExclusionCount; ++k) {
        exclusions[k] = {exclusions[k].caption, fuel.MISCSTR[2][k] == '1', true};
    }
    // Systems the design does not have cannot be left out.
    const auto rule_out = [this](Exclusion exclusion) {
        exclusions[exclusion].checked = false;
        exclusions[exclusion].enabled = false;
    };
    if (slots[Slot::BackupComputer].NUMBER == 0) {
        rule_out(kBackupComputer);
    }
    if (slots[Slot::AuxiliaryBridge].NUMBER == 0) {
        rule_out(kAuxBridge);
    }
    if (!HasLowBerths(design)) {
        rule_out(kAccommodation);
    }
    cruise_g.Select(PositionOf(fuel.MISCNUM[2]));
}

void PowerEditor::ShowFiguresOfControls() {
    PlantChosen();
    EnduranceChanged();
}

void PowerEditor::PlantChosen() {
    const std::optional<int> row = plant.Selected();
    plant_details.caption = row ? plant.ToolTip(*row) : std::string();
    PlantSizeChanged();
}

// The suggestion is the chosen plant's for the power in use, whatever the size typed.
double PowerEditor::SuggestedSize() {
    const std::optional<int> row = plant.Selected();
    const ComponentRecord& chosen = row ? catalog().LookupComponent("PP", plant.ItemData(*row))
                                        : design().Slots[Slot::PowerPlant];
    const double mw_per_kl = chosen.MISCNUM[3];
    return mw_per_kl > 0 ? design().UsedMW() / (3 * mw_per_kl) : 0;
}

void PowerEditor::PlantSizeChanged() {
    const double size = SuggestedSize();
    suggested_size.caption = size > 0 ? FormatPattern(size, "##,###,###.#") : "0";
}

void PowerEditor::UseSuggestedSize() {
    Design trial = design();
    PutPlantAndEndurance(trial);
    const std::optional<double> size = SmallestSufficientPlantSize(trial, catalog());
    if (!size) {
        prompter().ShowMessage(Title(), kNoSufficientSize, MessageIcon::Information);
        return;
    }
    plant_size.text = NumberText(*size);
    PlantSizeChanged();
    ChangedForUser({&plant_size}, {});
}

void PowerEditor::EnduranceChanged() {
    endurance_days.caption = DaysAndWeeks(NumberIn(endurance_hours));
}

void PowerEditor::Defaults() {
    for (CheckBox& exclusion : exclusions) {
        exclusion.checked = false;
    }
    exclusions[kEmMask].checked = true;
    exclusions[kWeaponsAndScreens].checked = true;
    std::vector<const void*> boxes;
    for (const CheckBox& exclusion : exclusions) {
        boxes.push_back(&exclusion);
    }
    ChangedForUser(boxes, "Extended endurance defaults");
}

void PowerEditor::ExplainExtendedEndurance() {
    prompter().ShowMessage(
        Title(),
        std::string(kExtendedEnduranceExplained) + NewLine + NewLine + kOverdrivesExplained,
        MessageIcon::Information);
}

std::vector<FormEditor::NumberField> PowerEditor::NumberFields() const {
    return {{plant_size_caption, plant_size}, {endurance_caption, endurance_hours}};
}

void PowerEditor::PutPlantAndEndurance(Design& into) {
    auto& slots = into.Slots;
    if (const std::optional<int> row = plant.Selected()) {
        slots[Slot::PowerPlant] = catalog().LookupComponent("PP", plant.ItemData(*row));
    }
    slots[Slot::PowerPlant].KL = NumberIn(plant_size);
    slots[Slot::PlantFuel].NUMBER = NumberIn(endurance_hours);
}

bool PowerEditor::ValuesAcceptable() {
    const std::optional<int> cruise = cruise_g.Selected();
    const double installed_g = LeadingNumber(design().Slots[Slot::ManeuverDrive].USP.view());
    // A cruise equal to the installed rating is refused too.
    if (cruise && exclusions[kManeuver].checked && *cruise >= installed_g) {
        prompter().ShowMessage(Title(), kCruiseRefused, MessageIcon::Warning);
        return false;
    }
    return true;
}

void PowerEditor::StoreControls(Design& design) {
    PutPlantAndEndurance(design);
    auto& slots = design.Slots;
    ComponentRecord& fuel = slots[Slot::PlantFuel];
    for (int k = 0; k < kExclusionCount; ++k) {
        fuel.MISCSTR[2][k] = exclusions[k].checked ? '1' : '0';
    }
    if (const std::optional<int> cruise = cruise_g.Selected()) {
        fuel.MISCNUM[2] = *cruise;
    }
    fuel.MISCSTR[1] = "1";
}

}  // namespace korvane::ui
