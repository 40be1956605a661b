#pragma once

#include "ui/editors/form_editor.h"

namespace korvane::ui {

// The jump and maneuver drive ratings, spare jump fuel, fuel scoops and
// purifiers, and the drive options. The editor stores ratings and options;
// the recalculation sizes the drives and the fuel from them.
class DrivesEditor final : public FormEditor {
public:
    DrivesEditor(Session& session, DesignDocument& document, Prompter& prompter);

    using FormEditor::Check;

    Label jump_drive_caption{"&Jump drive:"};
    ListBox jump_drive;  // "Jump-0" … "Jump-6"
    Label maneuver_drive_caption{"&Maneuver drive:"};
    ListBox maneuver_drive;  // "0g" … "6g"
    Label purifiers_caption{"&Purifiers:"};
    ListBox purifiers;  // "No purifiers" (item data 0), then PU rows by id
    Label hours_to_purify_caption{"&Hours to purify:"};
    TextBox hours_to_purify;
    Label extra_jump_fuel_caption{"E&xtra Jump fuel:"};
    ListBox extra_jump_fuel;  // "Jump-0" … "Jump-6": jumps' worth of spare fuel
    CheckBox scoops{"&Scoops"};
    CheckBox low_maintenance_maneuver{"Low Maintainence Ma&neuver"};
    CheckBox low_maintenance_jump{"&Low Maintainence Jump"};
    CheckBox high_performance_maneuver{"H&igh Perfomance Maneuver"};
    CheckBox jump_overdrive{"Jump &Overdrive"};
    Label jump_overdrive_tonnage_caption{"&Tonnage:"};
    TextBox jump_overdrive_tonnage;
    CheckBox maneuver_overdrive{"Maneu&ver Overdrive"};
    Label maneuver_overdrive_tonnage_caption{"Tonna&ge:"};
    TextBox maneuver_overdrive_tonnage;
    Button check{"Chec&k"};

private:
    void FillLists() override;
    void ShowDesign(const Design& design) override;
    std::vector<NumberField> NumberFields() const override;
    void StoreControls(Design& design) override;
};

}  // namespace korvane::ui
