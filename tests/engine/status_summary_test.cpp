#include "engine/status_summary.h"

#include <string>

#include <gtest/gtest.h>

#include "engine/recalculate.h"
#include "engine_test_support.h"

namespace korvane {
namespace {

using engine_test::BasicRows;
using engine_test::HasProblem;
using engine_test::NewDesignOn;

TEST(EngineStatusSummary, NewDesignFacts) {
    Catalog catalog(BasicRows());
    Design design = NewDesignOn(catalog);
    const StatusSummary summary = ShowStatusSummary(design);
    EXPECT_EQ(summary.ship_name, std::string(50, '\0')) << "a never-set name stays as stored";
    EXPECT_EQ(summary.ship_type, "Merchant");
    EXPECT_EQ(summary.tech_level, 15);
    EXPECT_EQ(summary.hull_kl, 1350);
    EXPECT_EQ(summary.hardpoints, 1);
    EXPECT_EQ(summary.used_hardpoints, 0);
    EXPECT_FALSE(summary.changed);
}

TEST(EngineStatusSummary, EachBrokenLimitIsFlaggedAndListed) {
    Design design;
    design.HullKL() = 1350;
    design.Hardpoints() = 1;
    design.AvailableMW() = 100;
    design.UsedKL() = 1350;
    design.UsedMW() = 100;
    design.UsedHardpoints() = 1;
    StatusSummary summary = ShowStatusSummary(design);
    EXPECT_FALSE(summary.volume_over) << "a limit reached is not broken";
    EXPECT_FALSE(summary.power_over);
    EXPECT_FALSE(summary.hardpoints_over);
    EXPECT_TRUE(summary.valid);
    EXPECT_TRUE(design.Problems.empty());

    design.UsedKL() = 1400;
    design.UsedMW() = 100.5;
    design.UsedHardpoints() = 2;
    summary = ShowStatusSummary(design);
    EXPECT_TRUE(summary.volume_over);
    EXPECT_TRUE(summary.power_over);
    EXPECT_TRUE(summary.hardpoints_over);
    EXPECT_FALSE(summary.valid);
    EXPECT_EQ(design.DesignValid(), 0);
    EXPECT_TRUE(
        HasProblem(design, "Volume used exceeds the hull: 1,400.0 kl used, 1,350.0 kl available"));
    EXPECT_TRUE(HasProblem(
        design, "Power used exceeds the power plant's output: 100.5 MW used, 100.0 MW available"));
    EXPECT_TRUE(
        HasProblem(design, "Hardpoints used exceed the hull's hardpoints: 2 used, 1 available"));
    EXPECT_EQ(summary.problems, design.Problems);

    (void)ShowStatusSummary(design);
    EXPECT_EQ(design.Problems.size(), 3u) << "a second summary lists each problem once";
}

TEST(EngineStatusSummary, ProblemOfABlockMakesTheDesignInvalidWithinItsLimits) {
    Design design;
    design.HullKL() = 1350;
    design.Hardpoints() = 1;
    design.BlockProblems[static_cast<int>(ProblemSource::Control)] = {"No main computer"};
    const StatusSummary summary = ShowStatusSummary(design);
    EXPECT_FALSE(summary.volume_over);
    EXPECT_FALSE(summary.valid);
    EXPECT_EQ(design.DesignValid(), 0);
    EXPECT_EQ(design.Problems, std::vector<std::string>{"No main computer"});
}

TEST(EngineStatusSummary, ChangedFollowsTheFlag) {
    Design design;
    MarkChanged(design);
    EXPECT_TRUE(ShowStatusSummary(design).changed);
    MarkSaved(design);
    EXPECT_FALSE(ShowStatusSummary(design).changed);
}

}  // namespace
}  // namespace korvane
