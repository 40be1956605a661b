#pragma once

// Sessions and design files for the batch tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "app/new_design.h"
#include "app/session.h"
#include "engine/recalculate.h"
#include "files/catalog_files.h"
#include "files/design_file.h"
#include "model/catalog_store.h"
#include "model/standard_catalog.h"

namespace korvane::batch_test {

// A session on a fresh standard catalog in `catalog_folder`, started as the
// program starts (the new design loaded).
inline void StartSession(Session& session, const std::filesystem::path& catalog_folder) {
    ASSERT_TRUE(CreateCatalogFile(catalog_folder / "korva.db", StandardCatalogRows()).ok());
    session.CatalogDir = catalog_folder.string() + "/";
    auto opened = CatalogStore::Open(catalog_folder / "korva.db");
    ASSERT_TRUE(opened.ok()) << opened.message();
    session.catalog = std::move(opened.value());
    NewDesign(session.design, session.catalog->Features());
}

struct Ship {
    std::string name;
    int type_number = 1;
    std::string type_label = "Merchant";
    bool within_limits = true;  // without a power plant the design uses more power than it has
};

// Writes `ship` as a design file: the new design with its name and type and,
// when it is to be within its limits, a fusion plant. The stored totals are
// stale, as in a design saved before the rules changed.
inline void WriteShip(const std::filesystem::path& file, Catalog& catalog, const Ship& ship) {
    Design design;
    NewDesign(design, catalog);
    design.SetShipName(ship.name);
    design.Slots[Slot::ShipType].IDNUM = static_cast<std::int16_t>(ship.type_number);
    design.Slots[Slot::ShipType].LABEL = ship.type_label;
    if (ship.within_limits) {
        design.Slots[Slot::PowerPlant] = catalog.LookupComponent("PP", 5);
        design.Slots[Slot::PowerPlant].KL = 20;
    }
    Recalculate(design, catalog);
    ASSERT_EQ(design.DesignValid() != 0, ship.within_limits) << ship.name;
    design.UsedKL() = 99999;
    ASSERT_TRUE(WriteDesignFile(file, design).ok());
}

}  // namespace korvane::batch_test
