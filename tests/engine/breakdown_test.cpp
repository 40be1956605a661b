#include "engine/breakdown.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <random>

#include "engine/recalculate.h"
#include "model/standard_catalog.h"
#include "support/random_design.h"

namespace korvane {
namespace {

// Sums taken in another order may differ in the last bits; nothing more.
void ExpectSum(double parts, double total, const char* what) {
    EXPECT_NEAR(parts, total, 1e-9 * std::max(1.0, std::fabs(total))) << what;
}

TEST(Breakdown, SectionsAddUpToTheTotalsOfRandomDesigns) {
    Catalog catalog(StandardCatalogRows());
    std::mt19937 random(20261207);
    for (int round = 0; round < 200; ++round) {
        const Design design = testing::RandomDesign(catalog, random);
        SCOPED_TRACE("design " + std::to_string(round));
        const Breakdown breakdown = DesignBreakdown(design);
        SectionFigures sum;
        for (const SectionFigures& section : breakdown.sections) {
            sum.KL += section.KL;
            sum.MW += section.MW;
            sum.CR += section.CR;
        }
        ExpectSum(sum.KL, design.UsedKL(), "volume");
        ExpectSum(sum.MW, design.UsedMW(), "power");
        ExpectSum(sum.CR, design.TotalCr(), "cost");
        EXPECT_EQ(breakdown.total.KL, design.UsedKL());
        EXPECT_EQ(breakdown.total.MW, design.UsedMW());
        EXPECT_EQ(breakdown.total.CR, design.TotalCr());
    }
}

// Each section is the sum of the slots that make it up: a slot counted in the
// wrong section would still add up, so the sections are checked one by one.
TEST(Breakdown, EachSectionSumsItsOwnSlots) {
    struct Case {
        BreakdownSection section;
        std::initializer_list<Slot> slots;
    };
    const Case cases[] = {
        {BreakdownSection::HullAndArmour, {Slot::Hull, Slot::Configuration, Slot::Armour}},
        {BreakdownSection::PowerPlantAndFuel, {Slot::PowerPlant, Slot::PlantFuel}},
        {BreakdownSection::DrivesAndFuel,
         {Slot::JumpDrive, Slot::JumpFuel, Slot::ManeuverDrive, Slot::FuelScoops, Slot::Purifiers,
          Slot::DriveOptions}},
        {BreakdownSection::Electronics,
         {Slot::Sensors, Slot::Avionics, Slot::Communicators, Slot::EmMask}},
        {BreakdownSection::Weapons, {Slot::Weapons, Slot::SpinalMount, Slot::Magazine}},
        {BreakdownSection::Screens, {Slot::Screens}},
        {BreakdownSection::ControlAndComputers,
         {Slot::MainComputer, Slot::BackupComputer, Slot::Panels, Slot::PanelAddOns,
          Slot::AuxiliaryBridge}},
        {BreakdownSection::CrewAndAccommodation,
         {Slot::Crew, Slot::PassengersAndCrewTotal, Slot::Accommodation, Slot::Environment}},
        {BreakdownSection::Craft, {Slot::LaunchTube, Slot::SubordinateCraft}},
        {BreakdownSection::Other, {Slot::AntiHijack, Slot::CustomFeatures, Slot::ShipType}},
    };
    Catalog catalog(StandardCatalogRows());
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        const Design design = testing::RandomDesign(catalog, random);
        const Breakdown breakdown = DesignBreakdown(design);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(BreakdownSectionName(c.section)) + " of design " +
                         std::to_string(round));
            SectionFigures expected;
            for (const Slot slot : c.slots) {
                const ComponentRecord& record = design.Slots[slot];
                expected.KL += slot == Slot::Hull ? 0 : record.KL;
                expected.MW += record.MW;
                expected.CR += record.CR;
            }
            EXPECT_EQ(breakdown[c.section].KL, expected.KL);
            EXPECT_EQ(breakdown[c.section].MW, expected.MW);
            EXPECT_EQ(breakdown[c.section].CR, expected.CR);
        }
    }
}

TEST(Breakdown, ASlotLeftOutOfTheTotalsIsLeftOutOfItsSection) {
    Catalog catalog(StandardCatalogRows());
    std::mt19937 random(11);
    Design design = testing::RandomDesign(catalog, random);
    ComponentRecord& spare = design.Slots.ByNumber(35);
    spare.KL = 100;
    spare.MW = 5;
    spare.CR = 1e6;
    Recalculate(design, catalog);
    const double counted = DesignBreakdown(design)[BreakdownSection::Other].CR;
    EXPECT_GE(counted, 1e6);

    spare.MISCNUM[10] = 1;
    Recalculate(design, catalog);
    const Breakdown breakdown = DesignBreakdown(design);
    ExpectSum(breakdown[BreakdownSection::Other].CR, counted - 1e6, "cost without the slot");
    EXPECT_EQ(breakdown.total.CR, design.TotalCr());
}

}  // namespace
}  // namespace korvane
