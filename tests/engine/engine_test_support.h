#pragma once

// Small catalogs and designs for the recalculation tests.

#include <string_view>
#include <vector>

#include "app/new_design.h"
#include "engine/digit_codes.h"
#include "engine/recalculate.h"
#include "model/catalog.h"
#include "model/design.h"

namespace korvane::engine_test {

inline ComponentRecord Row(std::string_view table, int id, std::string_view label) {
    ComponentRecord row;
    row.TABLE = table;
    row.IDNUM = static_cast<std::int16_t>(id);
    row.LABEL = label;
    return row;
}

// An item-table entry: count and the four summed fields per item.
inline ComponentRecord Entry(std::string_view label, double number, double kl, double tons,
                             double cr, double mw) {
    ComponentRecord entry;
    entry.LABEL = label;
    entry.NUMBER = number;
    entry.KL = kl;
    entry.TONS = tons;
    entry.CR = cr;
    entry.MW = mw;
    return entry;
}

// Size codes "TC" 1–33: row k is reached from (k − 1) × 100 tons and carries the
// code "0" (row 1) or digit k − 1, and MISCNUM2 = 10 × k.
inline std::vector<ComponentRecord> SizeCodeRows() {
    std::vector<ComponentRecord> rows;
    for (int k = 1; k <= 33; ++k) {
        ComponentRecord row = Row("TC", k, "size");
        row.MISCNUM[1] = (k - 1) * 100.0;
        row.MISCNUM[2] = 10.0 * k;
        row.USP = k == 1 ? std::string_view("0") : kDigitAlphabet.substr(k - 2, 1);
        rows.push_back(row);
    }
    return rows;
}

// The rows a new design reads, with round factors: configuration (CN 5, mass
// and cost factor 1, streamlining factors 1, 2, 3), armour (AT 4, factors 0.5
// and 0.2), armour scaling from 40 (× 2), 43 (× 3) and 46 (× 5), computer CO 1
// (divisor 2), panel PN 7 (50 points), environment EN 1 (per kl) and EN 4
// (airlock) fitted, EN 2 not fitted; plus the 33 size codes.
inline std::vector<ComponentRecord> BasicRows() {
    std::vector<ComponentRecord> rows = SizeCodeRows();

    ComponentRecord config = Row("CN", 5, "Flattened Sphere");
    config.USP = "5";
    config.MISCNUM[1] = 1;
    config.MISCNUM[2] = 1;
    config.MISCNUM[3] = 1;
    config.MISCNUM[4] = 2;
    config.MISCNUM[5] = 3;
    rows.push_back(config);

    const double scales[][2] = {{40, 2}, {43, 3}, {46, 5}};
    for (int i = 0; i < 3; ++i) {
        ComponentRecord scale = Row("AR", i + 1, std::to_string(static_cast<int>(scales[i][0])));
        scale.MISCNUM[1] = scales[i][1];
        rows.push_back(scale);
    }
    // The armour walk must stop here: a row of another family whose label reads 0.
    ComponentRecord armour = Row("AT", 4, "Dense Alloy");
    armour.TONS = 0.5;
    armour.CR = 0.2;
    armour.MISCNUM[1] = 99;
    rows.push_back(armour);

    ComponentRecord computer = Row("CO", 1, "1 Basic");
    computer.NUMBER = 1;
    computer.KL = 2;
    computer.TONS = 1;
    computer.CR = 100000;
    computer.MW = 0.2;
    computer.MISCNUM[1] = 2;
    computer.MISCSTR[1] = "1";
    rows.push_back(computer);

    ComponentRecord panel = Row("PN", 7, "Holographic Linked");
    panel.KL = 0.15;
    panel.TONS = 0.08;
    panel.CR = 10000;
    panel.MW = 0.005;
    panel.MISCNUM[1] = 50;
    rows.push_back(panel);

    ComponentRecord heat = Row("EN", 1, "Heat and Light");
    heat.TONS = 0.0001;
    heat.CR = 10;
    heat.MW = 0.0001;
    heat.MISCNUM[1] = 1;
    heat.MISCNUM[2] = 1;
    rows.push_back(heat);
    ComponentRecord air = Row("EN", 2, "Air and Water");
    air.CR = 20;
    air.MISCNUM[2] = 1;
    rows.push_back(air);
    ComponentRecord airlock = Row("EN", 4, "Airlock");
    airlock.KL = 13.5;
    airlock.TONS = 1.5;
    airlock.CR = 25000;
    airlock.MW = 0.005;
    airlock.MISCNUM[1] = 1;
    rows.push_back(airlock);
    return rows;
}

// A computer as the control editor fits it, a triple-redundant set of the CO
// row `id`; id 0 is none.
inline void FitComputer(Catalog& catalog, ComponentRecord& slot, int id) {
    if (id == 0) {
        slot = ComponentRecord{};
        return;
    }
    slot = catalog.LookupComponent("CO", id);
    slot.NUMBER = 3;
    slot.KL *= 3;
    slot.TONS *= 3;
    slot.MW *= 3;
    slot.CR *= 3;
}

// The design the program starts with, built on the given catalog.
inline Design NewDesignOn(Catalog& catalog) {
    Design design;
    NewDesign(design, catalog);
    return design;
}

// True when the list holds the text.
inline bool HasProblem(const Design& design, std::string_view text) {
    for (const auto& problem : design.Problems) {
        if (problem == text) {
            return true;
        }
    }
    return false;
}

}  // namespace korvane::engine_test
