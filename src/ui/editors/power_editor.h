#pragma once

#include <array>

#include "ui/editors/form_editor.h"

namespace korvane::ui {

// The power plant and its size, the plant's fuel endurance, the cruise
// acceleration of the extended endurance and the systems left out of it.
class PowerEditor final : public FormEditor {
public:
    // The systems the extended endurance can leave out, by check box; check
    // box k owns character k + 1 of the stored exclusion string.
    enum Exclusion : int {
        kManeuver,
        kSensors,
        kCommo,
        kEmMask,
        kWeaponsAndScreens,
        kBackupComputer,
        kAuxBridge,
        kAccommodation,
        kCustomFeatures,
        kExclusionCount
    };

    PowerEditor(Session& session, DesignDocument& document, Prompter& prompter);

    // The texts changed: their read-only figures follow.
    void PlantSizeChanged();
    void EnduranceChanged();
    // Another plant was chosen: its details and the suggested size are that plant's.
    void PlantChosen();
    // "Use suggested": "Size in KL:" gets the smallest size, to the tenth of a
    // kl, at which the chosen plant gives the power the design, recalculated
    // with it, uses (and the design gets it at once when each control is committed).
    void UseSuggestedSize();

    using FormEditor::Check;
    // "Defaults": only "EM Mask" and "Weapons && Screens" left out; the design
    // changes on "Accept" (or at once when each control is committed).
    void Defaults();
    // "Help on ExtEnd!".
    void ExplainExtendedEndurance();

    Label plant_caption{"&Power plant:"};
    ListBox plant;                // PP rows by id, each with its details as its tooltip
    Label plant_details_caption;  // none: the details stand under the box
    Label plant_details;          // the chosen plant's output and cost per kl and its tech level
    Label plant_size_caption{"&Size in KL:"};
    TextBox plant_size;
    Label suggested_caption{"Suggested:"};
    Label suggested_size;
    Button use_suggested{"Use su&ggested"};
    Label endurance_caption{"&Hours of endurance:"};
    TextBox endurance_hours;
    Label endurance_days;
    Label extended_caption{"Extended endurance:"};
    Label extended_hours;
    Label extended_days;
    Label cruise_g_caption{"C&ruise G:"};
    ListBox cruise_g;  // "0" … "6"
    Label exclusions_caption{"Left out of the extended endurance:"};
    std::array<CheckBox, kExclusionCount> exclusions{{
        {"&Maneuver (cruise Gs)"},
        {"Se&nsors"},
        {"C&ommo"},
        {"&EM Mask"},
        {"&Weapons && Screens"},
        {"&Backup computer"},
        {"A&ux bridge"},
        {"Accommodat&ion"},
        {"Cus&tom features"},
    }};
    Button check{"Chec&k"};
    Button defaults{"&Defaults"};
    Button help{"He&lp on ExtEnd!"};

private:
    // The size the chosen plant needs for the power the design uses, in kl;
    // 0 for a plant without an output.
    double SuggestedSize();

    // The chosen plant at the typed size and the typed endurance.
    void PutPlantAndEndurance(Design& into);

    void FillLists() override;
    void ShowDesign(const Design& design) override;
    void ShowFiguresOfControls() override;
    std::vector<NumberField> NumberFields() const override;
    // The cruise check comes first: a refused cruise G leaves the plant, its
    // size and the endurance as they were, so that "Cancel" really discards the edit.
    bool ValuesAcceptable() override;
    void StoreControls(Design& design) override;
};

}  // namespace korvane::ui
