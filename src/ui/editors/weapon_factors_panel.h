#pragma once

#include "model/design.h"
#include "ui/controls.h"

namespace korvane::ui {

// The read-only "Weapon factors" panel of the weapon systems editor: one line
// per weapon type that has a factor in any mounting, with the type's name and,
// under each mounting's heading, the factor as a digit code and the count
// ("3/2": factor 3, two batteries), as the recalculation left them.
struct WeaponFactorsPanel {
    Label frame{"Weapon factors"};
    Label turrets_heading{"Turrets:"};
    Label bays_heading{"Bays:"};
    Label spinal_heading{"Spinal:"};
    Label names;
    Label turrets;
    Label bays;
    Label spinal;

    void Show(const Design& design);
};

}  // namespace korvane::ui
