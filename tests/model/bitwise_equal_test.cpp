#include "model/bitwise_equal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

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
        Design kept = b;
        return !BitwiseEqual(b, c) && CopyDifferences(kept, c) && BitwiseEqual(kept, c);
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

TEST(BitwiseEqual, DesignsDifferInAnyFieldOfAnyEntryOfEveryTable) {
    // The settled recalculation stops when a pass leaves the design equal: a
    // change anywhere that the comparison misses would stop it early.
    using Change = std::function<void(ComponentRecord&)>;
    const auto last_byte = [](auto& text) { text[text.kWidth - 1] = 'x'; };
    const auto smallest_step = [](double& value) { value = std::nextafter(value, 1.0); };
    std::vector<std::pair<std::string, Change>> changes = {
        {"TABLE", [&](ComponentRecord& r) { last_byte(r.TABLE); }},
        {"IDNUM", [](ComponentRecord& r) { r.IDNUM = 1; }},
        {"LABEL", [&](ComponentRecord& r) { last_byte(r.LABEL); }},
        {"NUMBER", [&](ComponentRecord& r) { smallest_step(r.NUMBER); }},
        {"KL", [&](ComponentRecord& r) { smallest_step(r.KL); }},
        {"TONS", [&](ComponentRecord& r) { smallest_step(r.TONS); }},
        {"CR", [&](ComponentRecord& r) { smallest_step(r.CR); }},
        {"MW", [&](ComponentRecord& r) { smallest_step(r.MW); }},
        {"USP", [&](ComponentRecord& r) { last_byte(r.USP); }},
        {"TL", [](ComponentRecord& r) { r.TL = 1; }},
        {"custom", [](ComponentRecord& r) { r.custom = 1; }},
    };
    for (std::size_t k = 0; k < 11; ++k) {
        changes.emplace_back("MISCNUM" + std::to_string(k),
                             [&, k](ComponentRecord& r) { smallest_step(r.MISCNUM[k]); });
        changes.emplace_back("MISCSTR" + std::to_string(k),
                             [&, k](ComponentRecord& r) { last_byte(r.MISCSTR[k]); });
    }

    // The recalculation keeps up with the design by CopyDifferences, which must
    // see the same changes and leave its copy equal.
    const Design original;
    Design changed = original;
    Design kept = original;
    int missed = 0;
    for (std::size_t table = 0; table < Design::kTableCount; ++table) {
        for (std::size_t entry = 0; entry < original.Table(table).size(); ++entry) {
            for (const auto& [field, change] : changes) {
                ComponentRecord& record = changed.Table(table)[entry];
                change(record);
                const bool copied = CopyDifferences(kept, changed);
                if ((BitwiseEqual(original, changed) || !copied || !BitwiseEqual(kept, changed)) &&
                    ++missed <= 10) {
                    ADD_FAILURE() << "table " << table << ", entry " << entry << ", " << field;
                }
                record = original.Table(table)[entry];
                EXPECT_TRUE(CopyDifferences(kept, changed));
            }
        }
    }
    EXPECT_EQ(missed, 0);
    ASSERT_TRUE(BitwiseEqual(original, changed));
    EXPECT_FALSE(CopyDifferences(kept, changed));
    EXPECT_TRUE(BitwiseEqual(kept, original));
}

}  // namespace
}  // namespace korvane
