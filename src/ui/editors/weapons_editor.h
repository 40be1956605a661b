#pragma once

#include "ui/editors/form_editor.h"
#include "ui/editors/weapon_factors_panel.h"

namespace korvane::ui {

// The weapon systems editor, the hub of the weapons section: the spinal mount,
// the battery rounds of the missile magazine and the magazine's total, the
// weapon factors the recalculation gave each weapon type, and the buttons
// that open the turrets, bay weapons and screens editors. "Done" stores the
// spinal mount and the rounds, "Check" stores them and stays open.
class WeaponsEditor final : public FormEditor {
public:
    WeaponsEditor(Session& session, DesignDocument& document, Prompter& prompter);

    // The window comes to the front (again after a list editor): the factors
    // and the magazine total show the design as it stands.
    void Activate();
    // A rounds text changed: the total follows.
    void RoundsChanged() { ShowMagazineTotal(); }

    using FormEditor::Check;

    Label spinal_mount_caption{"&Spinal Mount:"};
    ListBox spinal_mount;  // "No spinal mount weapon" (item data 0), then SP rows by id
    TextBox he_rounds;
    Label he_rounds_caption{"battery rounds &HE missiles"};
    TextBox atomic_rounds;
    Label atomic_rounds_caption{"battery rounds &atomic missiles"};
    TextBox antimatter_rounds;
    Label antimatter_rounds_caption{"b/r anti-&matter missiles (TL 17+)"};
    Label magazine_total{"Total: xxxxxx missiles"};
    Label turrets_caption{"T&urrets"};
    Button turrets;
    Label bays_caption{"&Bays"};
    Button bays;
    Label screens_caption{"Scree&ns"};
    Button screens;
    WeaponFactorsPanel factors;
    Button check{"Chec&k"};

private:
    void FillLists() override;
    void ShowDesign(const Design& design) override;
    void ShowFiguresOfControls() override { ShowMagazineTotal(); }
    std::vector<NumberField> NumberFields() const override;
    bool ValuesAcceptable() override;
    void StoreControls(Design& design) override;

    void ShowMagazineTotal();
};

}  // namespace korvane::ui
