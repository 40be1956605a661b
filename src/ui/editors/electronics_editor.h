#pragma once

#include "ui/editors/form_editor.h"

namespace korvane::ui {

// The avionics and the EM mask; the sensors and communicators have list
// editors of their own, opened from here. What is chosen here before opening
// them is stored only by "Accept".
class ElectronicsEditor final : public FormEditor {
public:
    ElectronicsEditor(Session& session, DesignDocument& document, Prompter& prompter);

    Label avionics_caption{"A&vionics:"};
    ListBox avionics;  // "No avionics", then AV rows; row k is AV id k
    CheckBox em_mask{"&EM Mask"};
    Label sensors_caption{"&Sensors"};
    Button sensors;
    Label communicators_caption{"Co&mmunications"};
    Button communicators;

private:
    void FillLists() override;
    void ShowDesign() override;
    bool StoreControls() override;
};

}  // namespace korvane::ui
