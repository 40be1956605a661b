#include "ui/editors/turret_batteries.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace korvane::ui_test {
namespace {

using ui::AvailableTurretFactors;
using ui::MaxBatteries;

// A turret entry of `number` turrets with the thresholds of factors 1, 2, ….
ComponentRecord Turret(std::string_view label, double number, std::vector<double> thresholds) {
    ComponentRecord turret;
    turret.TABLE = "TR";
    turret.LABEL = label;
    turret.NUMBER = number;
    for (std::size_t f = 0; f < thresholds.size(); ++f) {
        turret.MISCNUM[f + 1] = thresholds[f];
    }
    return turret;
}

TEST(TurretBatteriesTest, FactorsOfferedAreThoseWithAThresholdBetween0And9999) {
    const ComponentRecord turret = Turret("Triple Laser", 1, {1, 0, 3, 9999, 12000, -2, 9998});
    EXPECT_EQ(AvailableTurretFactors(turret), (std::vector<int>{1, 3, 7}));
    EXPECT_TRUE(AvailableTurretFactors(Turret("Sandcaster", 1, {})).empty());
}

TEST(TurretBatteriesTest, MaxFactorDividesTheWeaponsOfAllTurretsByTheFactorsThreshold) {
    // Two triple turrets hold 6 weapons.
    EXPECT_EQ(MaxBatteries(Turret("Triple Laser", 2, {1, 2, 3}), 3), 2);
    EXPECT_EQ(MaxBatteries(Turret("Triple Laser", 2, {1, 2, 4}), 3), 1) << "Int(6 / 4)";
    EXPECT_EQ(MaxBatteries(Turret("Double Missile", 3, {1, 2}), 2), 3);
    EXPECT_EQ(MaxBatteries(Turret("Dual Laser", 5, {1, 2, 3, 4}), 4), 2) << "Int(10 / 4)";
    EXPECT_EQ(MaxBatteries(Turret("Laser", 7, {1}), 1), 7);
}

TEST(TurretBatteriesTest, MaxFactorStepsDownToTheFirstFactorThatFormsABattery) {
    const ComponentRecord single = Turret("Laser", 1, {1, 1, 1, 2, 4});
    EXPECT_EQ(MaxBatteries(single, 5), 1) << "factors 5 and 4 need more than one weapon";
    const ComponentRecord short_of_all = Turret("Laser", 1, {2, 3, 4});
    EXPECT_EQ(MaxBatteries(short_of_all, 3), 0);
}

TEST(TurretBatteriesTest, MaxFactorPassesOverFactorsTheRowDoesNotOffer) {
    // Factor 4 has threshold 0 (a division by zero) and factor 3 has none
    // (9999): the step-down goes on to factor 2.
    const ComponentRecord turret = Turret("Laser", 3, {1, 2, 9999, 0, 5});
    EXPECT_EQ(MaxBatteries(turret, 5), 1) << "Int(3 / 2) at factor 2";
    const ComponentRecord nothing_below = Turret("Laser", 1, {0, 0, 0, 0, 5});
    EXPECT_EQ(MaxBatteries(nothing_below, 5), 0);
}

}  // namespace
}  // namespace korvane::ui_test
