#include "ui/editors/weapon_factors_panel.h"

#include <gtest/gtest.h>

namespace korvane::ui_test {
namespace {

constexpr std::size_t kLaser = 1;
constexpr std::size_t kMissile = 2;
constexpr std::size_t kMeson = 7;
constexpr std::size_t kDisintegrator = 12;

TEST(WeaponFactorsPanelTest, ListsOnlyTypesWithAFactorInSomeMounting) {
    Design design;
    design.WeaponFactors[kLaser][1] = 3;
    design.WeaponCounts[kLaser][1] = 2;
    design.WeaponCounts[kMissile][1] = 4;  // a count without a factor is not listed
    design.WeaponFactors[kMeson][3] = 20;
    design.WeaponCounts[kMeson][3] = 1;
    design.WeaponFactors[kDisintegrator][2] = 9;
    design.WeaponCounts[kDisintegrator][2] = 1.5;

    ui::WeaponFactorsPanel panel;
    panel.Show(design);
    EXPECT_EQ(panel.names.caption, "Laser\nMeson\nDisintegrator");
    EXPECT_EQ(panel.turrets.caption, "3/2\n0/0\n0/0") << "the other mountings show code 0";
    EXPECT_EQ(panel.bays.caption, "0/0\n0/0\n9/1.5");
    EXPECT_EQ(panel.spinal.caption, "0/0\nL/1\n0/0") << "factor 20 is the digit code L";
}

TEST(WeaponFactorsPanelTest, ShowingAgainReplacesWhatWasShown) {
    Design design;
    design.WeaponFactors[kLaser][1] = 3;
    ui::WeaponFactorsPanel panel;
    panel.Show(design);
    design.WeaponFactors[kLaser][1] = 0;
    panel.Show(design);
    EXPECT_EQ(panel.names.caption, "");
    EXPECT_EQ(panel.turrets.caption, "");
    EXPECT_EQ(panel.bays.caption, "");
    EXPECT_EQ(panel.spinal.caption, "");
    EXPECT_EQ(panel.frame.caption, "Weapon factors");
}

}  // namespace
}  // namespace korvane::ui_test
