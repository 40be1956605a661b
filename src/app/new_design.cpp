#include "app/new_design.h"

#include "engine/recalculate.h"
#include "engine/status_summary.h"

namespace korvane {

void NewDesign(Design& design, Catalog& catalog) {
    auto& slots = design.Slots;
    design.DesignTL() = 15;
    design.DesignValid() = 1;
    slots[1].KL = 1350;
    slots[5].NUMBER = 720;

    slots[2] = catalog.LookupComponent("CN", 5);
    slots[2].MISCNUM[6] = 2;

    slots[3].MISCNUM[3] = 1;
    const ComponentRecord& armour = catalog.LookupComponent("AT", 4);
    slots[3].MISCSTR[1] = armour.LABEL.view();
    slots[3].MISCNUM[1] = armour.TONS;
    slots[3].MISCNUM[2] = armour.CR;
    slots[3].TABLE = armour.TABLE;
    slots[3].IDNUM = armour.IDNUM;
    slots[3].MISCSTR[2] = "0";

    slots[12].LABEL = "No avionics";
    slots[21] = catalog.LookupComponent("PN", 7);

    slots[19] = catalog.LookupComponent("CO", 1);
    slots[19].KL *= 3;
    slots[19].TONS *= 3;
    slots[19].MW *= 3;
    slots[19].CR *= 3;
    slots[19].NUMBER = 3;

    for (int id = 1; id <= kEnvironmentMax; ++id) {
        design.Environment[id] = catalog.LookupComponent("EN", id);
        if (design.Environment[id].MISCNUM[1] == 1) {
            design.Environment[id].NUMBER = 1;
        }
    }

    if (slots[31].IDNUM == 0) {
        slots[31].IDNUM = 1;
        slots[31].USP = "A";
        slots[31].LABEL = "Merchant";
    }

    Recalculate(design, catalog, 0);
    ShowStatusSummary(design);
    MarkSaved(design);
}

}  // namespace korvane
