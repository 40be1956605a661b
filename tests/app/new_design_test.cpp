#include "app/new_design.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/standard_catalog.h"

namespace korvane {
namespace {

TEST(NewDesign, InstallsTheDefaultsFromTheCatalogAndCountsAsSaved) {
    Catalog catalog(StandardCatalogRows());
    Design design;
    design.DesignChanged = true;
    NewDesign(design, catalog);

    const ComponentRecord& config = catalog.LookupComponent("CN", 5);
    EXPECT_EQ(design.Slots[Slot::Configuration].LABEL, config.LABEL);
    EXPECT_EQ(design.Slots[Slot::Configuration].MISCNUM[6], 2) << "streamlined";

    const ComponentRecord armour = catalog.LookupComponent("AT", 4);
    EXPECT_EQ(design.Slots[Slot::Armour].MISCSTR[1].view(), armour.LABEL.view().substr(0, 10));
    EXPECT_EQ(design.Slots[Slot::Armour].MISCNUM[1], armour.TONS);
    EXPECT_EQ(design.Slots[Slot::Armour].MISCNUM[2], armour.CR);
    EXPECT_EQ(design.Slots[Slot::Armour].TABLE, "AT");
    EXPECT_EQ(design.Slots[Slot::Armour].IDNUM, 4);
    EXPECT_EQ(design.Slots[Slot::Armour].NUMBER, 40) << "armour code \"0\" gives armour value 40";
    EXPECT_TRUE(design.Slots[Slot::Armour].LABEL.never_assigned())
        << "only the armour fields are copied";

    const ComponentRecord computer = catalog.LookupComponent("CO", 1);
    EXPECT_EQ(design.Slots[Slot::MainComputer].NUMBER, 3);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::MainComputer].KL, computer.KL * 3);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::MainComputer].CR, computer.CR * 3);

    for (int id = 1; id <= kEnvironmentMax; ++id) {
        EXPECT_EQ(design.Environment[id].IDNUM, id);
        if (catalog.LookupComponent("EN", id).MISCNUM[1] == 1) {
            EXPECT_GT(design.Environment[id].NUMBER, 0) << "EN " << id << " is fitted";
        }
    }
    EXPECT_EQ(design.Slots[Slot::Avionics].LABEL.trimmed(), "No avionics");
    EXPECT_EQ(design.Slots[Slot::ShipType].LABEL.trimmed(), "Merchant");
    EXPECT_EQ(design.Slots[Slot::ShipType].USP, "A");
    EXPECT_EQ(design.DesignTL(), 15);
    EXPECT_EQ(design.HullKL(), 1350);
    EXPECT_EQ(design.Slots[Slot::PlantFuel].NUMBER, 720);
    EXPECT_FALSE(design.DesignChanged);
    // A new design has no power plant yet, so its equipment's power is the only limit it breaks.
    ASSERT_EQ(design.Problems.size(), 1u);
    EXPECT_NE(design.Problems[0].find("Power used exceeds"), std::string::npos)
        << design.Problems[0];
    EXPECT_EQ(design.DesignValid(), 0);
}

TEST(NewDesign, MissingCatalogRowsLeaveBlankSlotsAndAReadableProblem) {
    Catalog empty;
    Design design;
    NewDesign(design, empty);
    EXPECT_TRUE(IsEmptyEntry(design.Slots[Slot::Panels]));
    EXPECT_TRUE(IsEmptyEntry(design.Slots[Slot::Configuration]));
    EXPECT_EQ(design.DesignValid(), 0);
    EXPECT_FALSE(design.Problems.empty());
    for (double figure : {design.UsedKL(), design.TotalTons(), design.TotalCr(), design.UsedMW()}) {
        EXPECT_TRUE(std::isfinite(figure));
    }
}

}  // namespace
}  // namespace korvane
