#include "app/new_design.h"

#include "engine/recalculate.h"
#include "engine/status_summary.h"

namespace korvane {

void NewDesign(Design& design, Catalog& catalog) {
    auto& slots = design.Slots;
    design.DesignTL() = 15;
    design.DesignValid() = 1;
    slots[Slot::Hull].KL = 1350;
    slots[Slot::PlantFuel].NUMBER = 720;

    slots[Slot::Configuration] = catalog.LookupComponent("CN", 5);
    slots[Slot::Configuration].MISCNUM[6] = 2;

    slots[Slot::Armour].MISCNUM[3] = 1;
    const ComponentRecord& armour = catalog.LookupComponent("AT", 4);
    slots[Slot::Armour].MISCSTR[1] = armour.LABEL.view();
    slots[Slot::Armour].MISCNUM[1] = armour.TONS;
    slots[Slot::Armour].MISCNUM[2] = armour.CR;
    slots[Slot::Armour].TABLE = armour.TABLE;
    slots[Slot::Armour].IDNUM = armour.IDNUM;
    slots[Slot::Armour].MISCSTR[2] = "0";

    slots[Slot::Avionics].LABEL = "No avionics";
    slots[Slot::Panels] = catalog.LookupComponent("PN", 7);

    slots[Slot::MainComputer] = catalog.LookupComponent("CO", 1);
    slots[Slot::MainComputer].KL *= 3;
    slots[Slot::MainComputer].TONS *= 3;
    slots[Slot::MainComputer].MW *= 3;
    slots[Slot::MainComputer].CR *= 3;
    slots[Slot::MainComputer].NUMBER = 3;

    for (int id = 1; id <= kEnvironmentMax; ++id) {
        design.Environment[id] = catalog.LookupComponent("EN", id);
        if (design.Environment[id].MISCNUM[1] == 1) {
            design.Environment[id].NUMBER = 1;
        }
    }

    if (slots[Slot::ShipType].IDNUM == 0) {
        slots[Slot::ShipType].IDNUM = 1;
        slots[Slot::ShipType].USP = "A";
        slots[Slot::ShipType].LABEL = "Merchant";
    }

    Recalculate(design, catalog);
    ShowStatusSummary(design);
    MarkSaved(design);
}

}  // namespace korvane
