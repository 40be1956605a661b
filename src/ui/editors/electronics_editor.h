#pragma once

#include "ui/editors/form_editor.h"

namespace korvane::ui {

// The avionics and the EM mask; the sensors and communicators have list
// editors of their own, opened from here. What is chosen here before opening
// them is stored only by "Accept", and stays chosen whatever they change.
class ElectronicsEditor final : public FormEditor {
public:
    ElectronicsEditor(Session& session, DesignDocument& document, Prompter& prompter);

    Label avionics_caption{"A&vionics:"};
    ListBox avionics;  // "No avionics" (item data 0), then AV rows by id
    CheckBox em_mask{"&EM Mask"};
    Label sensors_caption{"&Sensors"};
    Button sensors;
    Label communicators_caption{"Co&mmunications"};
    Button communicators;

private:
    void FillLists() override;
    void ShowDesign(const Design& design) override;
    void StoreControls(Design& design) override;
};

}  // namespace korvane::ui
