#include <gtest/gtest.h>

#include "engine/plain_passes.h"
#include "engine/recalculate.h"
#include "engine_test_support.h"

namespace korvane {
namespace {

using engine_test::Entry;

constexpr int kLaser = 1, kMissile = 2, kSand = 3, kParticle = 6, kMeson = 7;
constexpr int kTurret = 1, kBay = 2, kSpinal = 3;

class EngineWeapons : public ::testing::Test {
protected:
    Catalog catalog;
    Design design;

    EngineWeapons() {
        design.DesignTL() = 15;
        design.Slots[Slot::Hull].KL = 1350;
        engine::RecalculateSection(design, catalog, RecalcSection::Hull);
    }

    // A turret row: per turret 1 kl, 2 tons, Cr 100, 5 MW; thresholds for factors 1–10.
    ComponentRecord& Turret(int i, std::string_view label, double number, std::string_view battery,
                            std::initializer_list<double> thresholds) {
        ComponentRecord& turret = design.Turrets[i];
        turret = Entry(label, number, 1, 2, 100, 5);
        turret.MISCSTR[2] = battery;
        std::size_t k = 1;
        for (double threshold : thresholds) {
            turret.MISCNUM[k++] = threshold;
        }
        for (; k <= 10; ++k) {
            turret.MISCNUM[k] = 1000;
        }
        return turret;
    }

    ComponentRecord& Bay(int i, std::string_view label, double number, std::string_view low,
                         std::string_view high) {
        ComponentRecord& bay = design.Bays[i];
        bay = Entry(label, number, 10, 20, 1000, 50);
        bay.MISCNUM[1] = 2;  // hardpoints per bay
        bay.MISCSTR[1] = low;
        bay.MISCSTR[2] = high;
        return bay;
    }

    void Weapons() { engine::RecalculateSection(design, catalog, RecalcSection::Weapons); }
};

TEST_F(EngineWeapons, TripleTurretFactorFromItsBatteries) {
    // Two triple turrets: 6 lasers in batteries of 3 make 2 batteries.
    Turret(1, "Triple Laser", 2, "3", {1, 2, 3});
    Weapons();
    EXPECT_EQ(design.Turrets[1].USP.first(), '2');
    EXPECT_EQ(design.WeaponFactors[kLaser][kTurret], 2);
    EXPECT_EQ(design.WeaponCounts[kLaser][kTurret], 3);
    EXPECT_EQ(design.UsedHardpoints(), 2);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Weapons].KL, 2);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Weapons].TONS, 4);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Weapons].CR, 200);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Weapons].MW, 10);
}

TEST_F(EngineWeapons, FactorStopsAtTheFirstThresholdNotMet) {
    Turret(1, "Triple Laser", 2, "3", {1, 3, 2});
    Weapons();
    EXPECT_EQ(design.WeaponFactors[kLaser][kTurret], 1);
}

TEST_F(EngineWeapons, EveryThresholdIsComparedAsItStands) {
    // The climb compares the batteries with each threshold as it stands: 9999
    // is out of reach, and a 0 is met by any battery.
    Turret(1, "Triple Laser", 2, "1", {1, 2, 0, 0, 0, 0, 0, 0, 0, 0});
    Turret(2, "Triple Sandcaster", 2, "1", {1, 9999, 1, 1, 1, 1, 1, 1, 1, 1});
    Weapons();
    EXPECT_EQ(design.Turrets[1].USP.first(), 'A');
    EXPECT_EQ(design.Turrets[2].USP.first(), '1');
}

TEST_F(EngineWeapons, DualAndDoubleTurretsCarryTwoWeapons) {
    Turret(1, "Dual Beam Laser", 1, "2", {1});
    Turret(2, "Double Sandcaster", 1, "2", {1});
    Turret(3, "Single Particle", 1, "2", {1});
    Weapons();
    EXPECT_EQ(design.Turrets[1].USP.first(), '1');
    EXPECT_EQ(design.Turrets[2].USP.first(), '1');
    EXPECT_EQ(design.Turrets[3].USP.first(), '0');
}

TEST_F(EngineWeapons, TurretOfFactorZeroAddsNothingToItsType) {
    Turret(1, "Triple Laser", 3, "1", {1, 3, 9});  // 9 batteries: factor 3
    Turret(2, "Laser", 1, "2", {1});               // half a battery: factor 0
    Turret(3, "Laser", 1, "", {1});                // no battery size: factor 0
    Weapons();
    EXPECT_EQ(design.Turrets[2].USP.first(), '0');
    EXPECT_EQ(design.Turrets[3].USP.first(), '0');
    EXPECT_EQ(design.WeaponFactors[kLaser][kTurret], 3);
    EXPECT_EQ(design.WeaponCounts[kLaser][kTurret], 3);
}

TEST_F(EngineWeapons, MissileTurretsFillTheMagazine) {
    Turret(1, "Triple Missile", 1, "3", {1});
    design.Slots[Slot::Magazine].MISCNUM[1] = 1;  // one standard missile per launcher
    Weapons();
    EXPECT_EQ(design.WeaponFactors[kMissile][kTurret], 1);
    EXPECT_EQ(design.Slots[Slot::Magazine].NUMBER, 3);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Magazine].KL, 0.3);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Magazine].TONS, 0.15);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Magazine].CR, 60000);
}

TEST_F(EngineWeapons, MixedTurretAddsTheFactorsItNames) {
    ComponentRecord& mixed = Turret(1, "Mixed Turret", 2, "", {});
    mixed.USP = "*";
    mixed.MISCSTR[1] = "L=2M=3S=1";
    Weapons();
    EXPECT_EQ(mixed.USP.first(), '*');
    EXPECT_EQ(design.WeaponFactors[kLaser][kTurret], 2);
    EXPECT_EQ(design.WeaponFactors[kMissile][kTurret], 3);
    EXPECT_EQ(design.WeaponFactors[kSand][kTurret], 1);
    EXPECT_EQ(design.WeaponCounts[kSand][kTurret], 2);
    EXPECT_EQ(mixed.MISCNUM[3], 1);
    EXPECT_EQ(design.Slots[Slot::Magazine].NUMBER, 4);  // (3 − 1) × 2
    EXPECT_EQ(design.UsedHardpoints(), 2);
}

TEST_F(EngineWeapons, LaterBayOfATypeSetsItsFactorAndCountsAdd) {
    Bay(1, "Particle Bay", 1, "1234567890", "ABCDEFGHJK");
    Bay(2, "Particle Bay II", 2, "1111111111", "1111111111");
    Weapons();
    EXPECT_EQ(design.Bays[1].USP.first(), '8');  // TL 15: character 8
    EXPECT_EQ(design.WeaponFactors[kParticle][kBay], 1);
    EXPECT_EQ(design.WeaponCounts[kParticle][kBay], 3);
    EXPECT_EQ(design.UsedHardpoints(), 6);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Weapons].MW, 150);

    std::swap(design.Bays[1], design.Bays[2]);
    Weapons();
    EXPECT_EQ(design.WeaponFactors[kParticle][kBay], 8);
}

TEST_F(EngineWeapons, BayFactorByTechLevelIsClampedBelowAndBlankAbove) {
    Bay(1, "Meson Bay", 1, "123456789A", "BCDEFGHJKL");
    const std::pair<int, int> expected[] = {{5, 1}, {8, 1}, {17, 10}, {27, 20}, {28, 0}};
    for (const auto& [tl, factor] : expected) {
        design.DesignTL() = static_cast<std::int16_t>(tl);
        Weapons();
        EXPECT_EQ(design.WeaponFactors[kMeson][kBay], factor) << "TL " << tl;
    }
    EXPECT_EQ(design.Bays[1].USP.first(), ' ');
}

TEST_F(EngineWeapons, MissileBaysFillTheMagazineByTheirSize) {
    Bay(1, "50-ton Missile Bay", 2, "1111111111", "1111111111");
    Bay(2, "100-ton Missile Bay", 1, "1111111111", "1111111111");
    Weapons();
    EXPECT_EQ(design.Slots[Slot::Magazine].NUMBER, 200);
}

TEST_F(EngineWeapons, SpinalMountTakesHardpointsAndSetsItsFactor) {
    ComponentRecord& spinal = design.Slots[Slot::SpinalMount];
    spinal.LABEL = "Meson Spinal";
    spinal.NUMBER = 1;
    spinal.USP = "K";
    spinal.MISCNUM[1] = 5;
    Weapons();
    EXPECT_EQ(design.UsedHardpoints(), 5);
    EXPECT_EQ(design.WeaponFactors[kMeson][kSpinal], 19);
    EXPECT_EQ(design.WeaponCounts[kMeson][kSpinal], 1);

    spinal.NUMBER = 0;  // a row left with no mount is cleared
    Weapons();
    EXPECT_TRUE(IsEmptyEntry(design.Slots[Slot::SpinalMount]));
    EXPECT_EQ(design.WeaponFactors[kMeson][kSpinal], 0);
    EXPECT_EQ(design.UsedHardpoints(), 0);
}

TEST_F(EngineWeapons, TalliesStartAfreshEachRun) {
    Turret(1, "Triple Laser", 2, "3", {1, 2});
    Turret(2, "Cargo Crane", 1, "1", {1});  // no weapon type: row 0 only
    Weapons();
    Weapons();
    EXPECT_EQ(design.WeaponFactors[kLaser][kTurret], 2);
    EXPECT_EQ(design.WeaponCounts[kLaser][kTurret], 3);
    EXPECT_EQ(design.UsedHardpoints(), 3);
    for (int t = 2; t <= 12; ++t) {
        EXPECT_EQ(design.WeaponFactors[t][kTurret], 0) << "type " << t;
    }
}

TEST_F(EngineWeapons, EntriesNotFittedCountNowhere) {
    Turret(1, "Triple Laser", 0, "1", {1});
    Bay(1, "Particle Bay", 0, "1234567890", "ABCDEFGHJK");
    Weapons();
    EXPECT_EQ(design.UsedHardpoints(), 0);
    EXPECT_EQ(design.Slots[Slot::Weapons].KL, 0);
    EXPECT_EQ(design.WeaponFactors[kLaser][kTurret], 0);
    EXPECT_EQ(design.WeaponFactors[kParticle][kBay], 0);
}

TEST(EngineScreens, ScreensPerKlNeedPowerForTheWholeHull) {
    Catalog catalog;
    Design design;
    design.Slots[Slot::Hull].KL = 1350;
    engine::RecalculateSection(design, catalog, RecalcSection::Hull);
    design.Screens[1] = Entry("Nuclear Damper 2", 2, 10, 5, 1000000, 0.01);
    design.Screens[1].MISCNUM[1] = 1;
    design.Screens[2] = Entry("Meson Screen 1", 1, 20, 10, 2000000, 5);
    design.Screens[3] = Entry("Black Globe 4", 0, 100, 100, 9000000, 9);
    engine::RecalculateSection(design, catalog, RecalcSection::Screens);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Screens].MW, 2 * 0.01 * 1350 + 5);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Screens].KL, 40);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Screens].TONS, 20);
    EXPECT_DOUBLE_EQ(design.Slots[Slot::Screens].CR, 4000000);
}

}  // namespace
}  // namespace korvane
