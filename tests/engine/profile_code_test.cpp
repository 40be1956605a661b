#include "engine/profile_code.h"

#include <gtest/gtest.h>

#include "engine/recalculate.h"
#include "engine_test_support.h"

namespace korvane {
namespace {

using engine_test::Entry;

TEST(EngineProfileCode, NeverSetFieldsLeaveTheTemplate) {
    Design design;
    EXPECT_EQ(BuildProfileCode(design), "0000000-000000-00000-0");
}

TEST(EngineProfileCode, KnownDesignThroughARecalculation) {
    Catalog catalog(engine_test::SizeCodeRows());
    Design design;
    design.DesignTL() = 15;
    design.Slots[Slot::Hull].KL = 1350;
    design.Slots[Slot::Configuration].USP = "3";
    design.Slots[Slot::Armour].MISCSTR[2] = "C";
    design.Slots[Slot::PowerPlant].KL = 9.75;
    design.Slots[Slot::PowerPlant].MISCNUM[3] = 100;  // 975 MW: rating 4 on 100 tons
    design.Slots[Slot::JumpDrive].USP = "2";
    design.Slots[Slot::ManeuverDrive].USP = "4";
    design.Slots[Slot::MainComputer].MISCSTR[1] = "7";
    design.Slots[Slot::PassengersAndCrewTotal].MISCNUM[10] = 12;  // actual crew

    ComponentRecord& sand = design.Turrets[1] = Entry("Triple Sandcaster", 5, 1, 1, 1, 0);
    sand.MISCSTR[2] = "1";
    for (std::size_t k = 1; k <= 10; ++k) {
        sand.MISCNUM[k] = 3 * static_cast<double>(k);  // 15 sandcasters: factor 5
    }
    design.Bays[1] = Entry("Laser Bay", 1, 1, 1, 1, 0);
    design.Bays[1].MISCSTR[1] = "9999999999";
    design.Bays[1].MISCSTR[2] = "9999999999";
    design.Bays[2] = Entry("Fusion Bay", 1, 1, 1, 1, 0);
    design.Bays[2].MISCSTR[1] = "AAAAAAAAAA";
    design.Bays[3] = Entry("Plasma Bay", 1, 1, 1, 1, 0);
    design.Bays[3].MISCSTR[1] = "4444444444";
    design.Bays[4] = Entry("100-ton Missile Bay", 1, 1, 1, 1, 0);
    design.Bays[4].MISCSTR[1] = "3333333333";
    design.Slots[Slot::SpinalMount].LABEL = "Meson Spinal";
    design.Slots[Slot::SpinalMount].NUMBER = 1;
    design.Slots[Slot::SpinalMount].USP = "K";
    design.Screens[1] = Entry("Nuclear Damper 2", 1, 1, 1, 1, 0);
    design.Screens[2] = Entry("Meson Screen 4", 0, 1, 1, 1, 0);  // not fitted
    design.Screens[3] = Entry("Meson Screen 3", 1, 1, 1, 1, 0);
    Recalculate(design, catalog);
    EXPECT_EQ(BuildProfileCode(design), "1324472-C53200-9A0K3-0");
}

TEST(EngineProfileCode, CrewClassBands) {
    Design design;
    const std::pair<double, char> expected[] = {
        {0, '0'},    {1, '1'},     {9, '1'},     {10, '2'},     {99, '2'},  {100, '3'},
        {9999, '4'}, {10000, '5'}, {12000, '5'}, {150000, '5'}, {9.5, '0'}, {-3, '0'}};
    for (const auto& [crew, digit] : expected) {
        design.Slots[Slot::PassengersAndCrewTotal].MISCNUM[10] = crew;
        EXPECT_EQ(BuildProfileCode(design)[6], digit) << "crew " << crew;
    }
}

TEST(EngineProfileCode, PowerRatingPutsTheFirstDigitAndNeedsAHull) {
    Design design;
    design.AvailableMW() = 243.75 * 12;
    EXPECT_EQ(BuildProfileCode(design)[4], '0') << "a hull of volume 0";
    design.HullKL() = 1350;
    EXPECT_EQ(BuildProfileCode(design)[4], '1');  // 12
    design.AvailableMW() = 243.75 * 3.9;
    EXPECT_EQ(BuildProfileCode(design)[4], '3');
}

TEST(EngineProfileCode, FactorsAboveTheAlphabetMarkTheirPosition) {
    Design design;
    design.WeaponFactors[1][2] = 40;
    EXPECT_EQ(BuildProfileCode(design).substr(15, 1), "-");  // "-99" puts its first character
}

}  // namespace
}  // namespace korvane
