#pragma once

#include "ui/editors/form_editor.h"

namespace korvane::ui {

// The main and backup computers, the control panels, the displays and the
// auxiliary bridge. Every computer is installed as a triple-redundant set:
// three units, three times the catalog's volume, mass, cost and power.
class ControlEditor final : public FormEditor {
public:
    ControlEditor(Session& session, DesignDocument& document, Prompter& prompter);

    using FormEditor::Check;

    Label main_computer_caption{"&Main computer:"};
    ListBox main_computer;  // "No computer" (item data 0), then CO rows by id
    Label backup_computer_caption{"&Backup computer:"};
    ListBox backup_computer;
    Label control_panels_caption{"Control &panel type:"};
    ListBox control_panels;  // PN rows by id
    Label heads_up_displays_caption{"&Heads-up display-9"};
    TextBox heads_up_displays;
    Label large_holodisplays_caption{"&Large Holodisplay-12"};
    TextBox large_holodisplays;
    Label head_up_holodisplays_caption{"Head-up H&olodisplay-13"};
    TextBox head_up_holodisplays;
    CheckBox auxiliary_bridge{"Au&xiliary Bridge"};
    Button check{"Chec&k"};

private:
    void FillLists() override;
    void ShowDesign(const Design& design) override;
    std::vector<NumberField> NumberFields() const override;
    void StoreControls(Design& design) override;
    // The chosen computer as a triple set, or the blank record for "No
    // computer"; nothing without a selection.
    void StoreComputer(const ListBox& list, ComponentRecord& slot);
};

}  // namespace korvane::ui
