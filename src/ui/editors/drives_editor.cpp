#include "ui/editors/drives_editor.h"

#include <optional>
#include <string>

#include "model/number_format.h"
#include "model/text_helpers.h"
#include "ui/editors/form_fields.h"

namespace korvane::ui {

namespace {

constexpr int kHighestRating = 6;
constexpr int kPurifierRows = 999;
// Hours to purify a whole tank when none are given.
constexpr double kDefaultHoursToPurify = 12;

std::optional<int> RowWithTrimmedText(const ListBox& list, std::string_view text) {
    const std::string wanted(Trimmed(text, kSpacesAndNuls));
    for (int row = 0; row < list.Count(); ++row) {
        if (Trimmed(list.Text(row), kSpacesAndNuls) == wanted) {
            return row;
        }
    }
    return std::nullopt;
}

// A rating or option stored as a one-digit text, "0" … "6".
void StoreRating(const ListBox& list, FixedText<1>& rating) {
    if (const std::optional<int> row = list.Selected()) {
        rating = std::to_string(*row);
    }
}

void ShowOverdrive(double tonnage, CheckBox& fitted, TextBox& tonnage_text) {
    fitted.checked = tonnage != 0;
    tonnage_text.text = fitted.checked ? NumberText(tonnage) : "0";
}

double OverdriveTonnage(const CheckBox& fitted, const TextBox& tonnage_text) {
    return fitted.checked ? NumberIn(tonnage_text) : 0;
}

}  // namespace

DrivesEditor::DrivesEditor(Session& session, DesignDocument& document, Prompter& prompter)
    : FormEditor(session, document, prompter, "Drives", "drives") {
    AddField(jump_drive, jump_drive_caption);
    AddField(maneuver_drive, maneuver_drive_caption);
    AddField(purifiers, purifiers_caption);
    AddField(hours_to_purify, hours_to_purify_caption);
    AddField(extra_jump_fuel, extra_jump_fuel_caption);
    AddField(scoops);
    AddField(low_maintenance_maneuver);
    AddField(low_maintenance_jump);
    AddField(high_performance_maneuver);
    AddField(jump_overdrive);
    // Both overdrives' boxes read "Tonnage:".
    AddTextField(jump_overdrive_tonnage, "jump overdrive tonnage", "tons");
    AddField(maneuver_overdrive);
    AddTextField(maneuver_overdrive_tonnage, "maneuver overdrive tonnage", "tons");
}

void DrivesEditor::FillLists() {
    for (int rating = 0; rating <= kHighestRating; ++rating) {
        jump_drive.AddItem("Jump-" + std::to_string(rating), rating);
        extra_jump_fuel.AddItem("Jump-" + std::to_string(rating), rating);
        maneuver_drive.AddItem(std::to_string(rating) + "g", rating);
    }
    purifiers.AddItem("No purifiers", 0);
    ForEachCatalogRow(catalog(), "PU", kPurifierRows, [this](const ComponentRecord& row) {
        purifiers.AddItem(row.LABEL.str(), row.IDNUM);
        return true;
    });
}

void DrivesEditor::ShowDesign(const Design& design) {
    const auto& slots = design.Slots;
    const ComponentRecord& options = slots[Slot::DriveOptions];
    jump_drive.Select(PositionOf(LeadingNumber(slots[Slot::JumpDrive].USP.view())));
    maneuver_drive.Select(PositionOf(LeadingNumber(slots[Slot::ManeuverDrive].USP.view())));
    extra_jump_fuel.Select(PositionOf(slots[Slot::JumpDrive].MISCNUM[1]));
    scoops.checked = slots[Slot::FuelScoops].NUMBER == 1;
    const ComponentRecord& purifier = slots[Slot::Purifiers];
    purifiers.Select(purifier.NUMBER == 1 ? RowWithTrimmedText(purifiers, purifier.LABEL.view())
                                          : RowWithItemData(purifiers, 0));
    hours_to_purify.text = NumberText(purifier.MISCNUM[10]);
    low_maintenance_maneuver.checked = options.MISCNUM[1] == 1;
    low_maintenance_jump.checked = options.MISCNUM[2] == 1;
    high_performance_maneuver.checked = options.MISCNUM[3] == 1;
    ShowOverdrive(options.MISCNUM[4], jump_overdrive, jump_overdrive_tonnage);
    ShowOverdrive(options.MISCNUM[5], maneuver_overdrive, maneuver_overdrive_tonnage);
}

// A list left without a selection keeps what the design has.
std::vector<FormEditor::NumberField> DrivesEditor::NumberFields() const {
    // An overdrive's tonnage is read only while the overdrive is ticked.
    std::vector<NumberField> fields{{hours_to_purify_caption, hours_to_purify}};
    if (jump_overdrive.checked) {
        fields.push_back({jump_overdrive_tonnage_caption, jump_overdrive_tonnage});
    }
    if (maneuver_overdrive.checked) {
        fields.push_back({maneuver_overdrive_tonnage_caption, maneuver_overdrive_tonnage});
    }
    return fields;
}

void DrivesEditor::StoreControls(Design& design) {
    auto& slots = design.Slots;
    StoreRating(jump_drive, slots[Slot::JumpDrive].USP);
    StoreRating(maneuver_drive, slots[Slot::ManeuverDrive].USP);
    if (const std::optional<int> row = extra_jump_fuel.Selected()) {
        slots[Slot::JumpDrive].MISCNUM[1] = *row;
    }
    slots[Slot::FuelScoops].NUMBER = Flag(scoops);

    ComponentRecord& purifier = slots[Slot::Purifiers];
    const std::optional<int> row = purifiers.Selected();
    if (const int id = row ? purifiers.ItemData(*row) : 0; id > 0) {
        purifier = catalog().LookupComponent("PU", id);
        purifier.NUMBER = 1;
    } else if (row) {
        // "No purifiers" keeps the last purifier's row for the next time.
        purifier.NUMBER = 0;
    }
    // No time, or a negative one that would give the purifiers a negative
    // size, is the default time.
    const double hours = NumberIn(hours_to_purify);
    purifier.MISCNUM[10] = hours > 0 ? hours : kDefaultHoursToPurify;

    ComponentRecord& options = slots[Slot::DriveOptions];
    options.MISCNUM[1] = Flag(low_maintenance_maneuver);
    options.MISCNUM[2] = Flag(low_maintenance_jump);
    options.MISCNUM[3] = Flag(high_performance_maneuver);
    options.MISCNUM[4] = OverdriveTonnage(jump_overdrive, jump_overdrive_tonnage);
    options.MISCNUM[5] = OverdriveTonnage(maneuver_overdrive, maneuver_overdrive_tonnage);
}

}  // namespace korvane::ui
