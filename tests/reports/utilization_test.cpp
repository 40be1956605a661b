#include "reports/utilization.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(ReportsUtilization, SharesWithOneDecimalAndATrailingPoint) {
    Design design;
    design.HullKL() = 1350;
    design.UsedKL() = 675;
    design.AvailableMW() = 300;
    design.UsedMW() = 100;
    design.Hardpoints() = 2;
    design.UsedHardpoints() = 3;
    EXPECT_EQ(UtilizationMessage(design),
              "Utilization\r\n\r\n"
              "Volume: 50.% used\r\n"
              "Power: 33.3% used\r\n"
              "Hardpoints: 150.% used\r\n");
}

TEST(ReportsUtilization, NothingToShareReadsNotApplicable) {
    Design design;
    design.HullKL() = 1350;
    EXPECT_EQ(UtilizationMessage(design),
              "Utilization\r\n\r\n"
              "Volume: .% used\r\n"
              "Power: n/a\r\n"
              "Hardpoints: n/a\r\n");
    design.HullKL() = 0;
    design.UsedKL() = 10;
    EXPECT_EQ(UtilizationMessage(design).find("Volume: n/a\r\n"), 15u);
}

}  // namespace
}  // namespace korvane
