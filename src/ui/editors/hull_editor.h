#pragma once

#include <string>

#include "ui/editors/form_editor.h"

namespace korvane::ui {

// The hull and its general particulars: displacement, configuration and
// streamlining, armour type and value, the "'Free' armour" house rule, the
// ship's description, classification and tech level.
class HullEditor final : public FormEditor {
public:
    HullEditor(Session& session, DesignDocument& document, Prompter& prompter);

    // "?": explains the "'Free' armour" house rule.
    void ExplainFreeArmour();

    Label displacement_caption{"&Displacement:"};
    TextBox displacement;  // in displacement tons
    Label configuration_caption{"C&onfiguration:"};
    ListBox configuration;  // CN rows by id; item data the row's id
    ListBox streamlining;   // item data 1 unstreamlined, 2 streamlined, 3 airframe
    Label armour_type_caption{"Armour &type:"};
    ListBox armour_type;  // AT rows by id; item data the row's id
    Label armour_value_caption{"Armour &value:"};
    ListBox armour_value;  // the digit codes of 0 to 32
    CheckBox free_armour{"'&Free' armour"};
    Button free_armour_help{"?"};
    Label description_caption{"D&escription:"};
    TextBox description;  // the ship's name, up to 50 characters, without its trailing blanks
    Label classification_caption{"Cla&ssification:"};
    ListBox classification;  // "A Merchant" …; item data the type letter decoded
    Label tech_level_caption{"Tech &Level"};
    ListBox tech_level;  // the digit codes of 9 to 21

private:
    void FillLists() override;
    void ShowDesign(const Design& design) override;
    std::vector<NumberField> NumberFields() const override;
    void StoreControls(Design& ship) override;

    std::string shown_name_;  // the name as ShowDesign put it in the box
};

}  // namespace korvane::ui
