#include "model/bitwise_equal.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvane {
namespace {

TEST(BitwiseEqual, RecordsDifferInAnyByteOrBitAndNowhereElse) {
    ComponentRecord a;
    a.LABEL = "Turret";
    a.MISCNUM[10] = 0.1 + 0.2;
    ComponentRecord b = a;
    EXPECT_TRUE(BitwiseEqual(a, b));

    b.MISCNUM[10] = 0.3;
    EXPECT_FALSE(BitwiseEqual(a, b)) << "one bit in the last figure";
    b = a;
    b.NUMBER = -0.0;
    EXPECT_FALSE(BitwiseEqual(a, b)) << "-0 is written with its minus sign";
    b = a;
    b.MISCSTR[10][9] = ' ';
    EXPECT_FALSE(BitwiseEqual(a, b)) << "a blank is not a never-set NUL";
    b = a;
    b.custom = 1;
    EXPECT_FALSE(BitwiseEqual(a, b));

    a.CR = b.CR = std::numeric_limits<double>::quiet_NaN();
    b.custom = 0;
    EXPECT_TRUE(BitwiseEqual(a, b)) << "the same NaN is no change";
}

TEST(BitwiseEqual, DesignsDifferInEveryKindOfValue) {
    Design a;
    a.Problems = {"No main computer"};
    const Design b = a;
    EXPECT_TRUE(BitwiseEqual(a, b));

    auto differs = [&b](auto change) {
        Design c = b;
        change(c);
        return !BitwiseEqual(b, c);
    };
    EXPECT_TRUE(differs([](Design& d) { d.Slots.ByNumber(40).KL = 1; }));
    EXPECT_TRUE(differs([](Design& d) { d.CustomFeatures[10].LABEL = "x"; }));
    EXPECT_TRUE(differs([](Design& d) { d.CapacityRecord.MW = 1; }));
    EXPECT_TRUE(differs([](Design& d) { d.DesignRecord.TL = 9; }));
    EXPECT_TRUE(differs([](Design& d) { d.ControlPoints[8] = 1; }));
    EXPECT_TRUE(differs([](Design& d) { d.ControlRemaining = -0.0; }));
    EXPECT_TRUE(differs([](Design& d) { d.WeaponCounts[12][3] = 1; }));
    EXPECT_TRUE(differs([](Design& d) { d.SensorCodes[6] = "A"; }));
    EXPECT_TRUE(differs([](Design& d) { d.Problems.clear(); }));
    EXPECT_TRUE(differs([](Design& d) { d.BlockProblems[0].push_back("Hull volume is 0"); }));
}

}  // namespace
}  // namespace korvane
