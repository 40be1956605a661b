#include "engine/plant_sizing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "engine/recalculate.h"
#include "support/temp_dir.h"
#include "support/test_session.h"

namespace korvane {
namespace {

class PlantSizing : public ::testing::Test {
protected:
    void SetUp() override { testing::StartTestSession(session_, dir_.path()); }

    Catalog& catalog() { return session_.catalog->Features(); }

    // The new design with the plant of catalog id `plant` and a custom
    // feature drawing `load` MW, recalculated.
    Design WithPlant(int plant, double load) {
        Design design = session_.design;
        design.Slots[Slot::PowerPlant] = catalog().LookupComponent("PP", plant);
        design.Slots[Slot::PowerPlant].KL = 1;
        ComponentRecord& feature = design.CustomFeatures[1];
        feature.LABEL = "Load";
        feature.NUMBER = 1;
        feature.MW = load;
        Recalculate(design, catalog());
        return design;
    }

    bool Sufficient(Design design, double size) {
        design.Slots[Slot::PowerPlant].KL = size;
        Recalculate(design, catalog());
        return design.AvailableMW() >= design.UsedMW();
    }

    testing::TempDir dir_;
    Session session_;
};

// Hydrogen plants step their output per kl at 6, above 9, 10, above 13 and 14
// kl; plutonium plants above 50 kl.
TEST_F(PlantSizing, TheSizeFoundIsEnoughAndNoSmallerTenthIs) {
    const struct {
        int plant;
        double load;
        double low, high;  // where the size lies
        const char* what;
    } cases[] = {
        {7, 0, 0, 6, "the new design's own use"},
        {7, 15, 6, 9, "a fusion plant between 6 and 9 kl, though 9.5 kl is not enough"},
        {7, 35, 10, 13, "a fusion plant between 10 and 13 kl"},
        {7, 4000, 14, 1e4, "a fusion plant of many kl"},
        {1, 50, 0, 1e4, "hydrocarbons, one output per kl at every size"},
        {3, 20, 0, 50, "plutonium, below its step"},
        {3, 300, 50, 1e4, "plutonium, above its step"},
        {4, 10, 0, 1e4, "batteries"},
    };
    const std::vector<double> step_ends{5.9, 9, 9.9, 13, 13.9, 50};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Design design = WithPlant(c.plant, c.load);
        const std::optional<double> size = SmallestSufficientPlantSize(design, catalog());
        ASSERT_TRUE(size.has_value());
        EXPECT_GE(*size, c.low);
        EXPECT_LE(*size, c.high);
        EXPECT_DOUBLE_EQ(*size * 10, std::round(*size * 10)) << "a whole number of tenths";
        EXPECT_TRUE(Sufficient(design, *size)) << *size;
        EXPECT_FALSE(*size >= 0.1 && Sufficient(design, *size - 0.1)) << *size;
        for (const double end : step_ends) {
            EXPECT_FALSE(end < *size && Sufficient(design, end)) << *size << " though " << end;
        }
    }
}

TEST_F(PlantSizing, APlantWithoutOutputHasNoSize) {
    Design design = WithPlant(7, 10);
    design.Slots[Slot::PowerPlant].MISCNUM[3] = 0;
    EXPECT_FALSE(SmallestSufficientPlantSize(design, catalog()).has_value());
}

}  // namespace
}  // namespace korvane
