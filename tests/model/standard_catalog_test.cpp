#include "model/standard_catalog.h"

#include <gtest/gtest.h>

#include <string_view>

#include "engine/weapons_screens.h"
#include "model/catalog.h"

namespace korvane {
namespace {

constexpr std::string_view kSensorRank = "-IFDRS";

// The number of positions in which `a` scans better than `b`, or -1 when it
// scans worse in any.
int PositionsScannedBetter(const ComponentRecord& a, const ComponentRecord& b) {
    int better = 0;
    for (std::size_t position = 0; position < 6; ++position) {
        const auto rank_a = kSensorRank.find(a.MISCSTR[1][position]);
        const auto rank_b = kSensorRank.find(b.MISCSTR[1][position]);
        if (rank_a < rank_b) {
            return -1;
        }
        better += rank_a > rank_b ? 1 : 0;
    }
    return better;
}

// A sensor beats another when it is no worse in scan, tech level, volume and
// cost, and better in one of them.
bool Beats(const ComponentRecord& a, const ComponentRecord& b) {
    const int scans_better = PositionsScannedBetter(a, b);
    if (scans_better < 0 || a.TL > b.TL || a.KL > b.KL || a.CR > b.CR) {
        return false;
    }
    return scans_better > 0 || a.TL < b.TL || a.KL < b.KL || a.CR < b.CR;
}

class StandardCatalog : public ::testing::Test {
protected:
    ComponentRecord Row(std::string_view family, int id) {
        ComponentRecord row = catalog_.LookupComponent(family, id);
        EXPECT_EQ(row.IDNUM, id) << family << " " << id;
        return row;
    }

    Catalog catalog_{StandardCatalogRows()};
};

TEST_F(StandardCatalog, NoCheapSensorOutclassesADearerOneOfHigherTechLevel) {
    EXPECT_FALSE(Beats(Row("SA", 6), Row("SA", 4)))
        << "the standard continental sensor against the orbital one";
    const ComponentRecord gravitic = Row("SM", 3);
    for (int id = 1; !IsEmptyEntry(catalog_.LookupComponent("SD", id)); ++id) {
        const ComponentRecord densitometer = Row("SD", id);
        if (densitometer.TL >= gravitic.TL) {
            EXPECT_FALSE(Beats(gravitic, densitometer))
                << "the gravitic sensor against " << densitometer.LABEL.trimmed();
        }
    }
}

TEST_F(StandardCatalog, TheMixedTripleTurretHoldsOneLaserOneMissileAndOneSandcaster) {
    Design design;
    design.Turrets[1] = Row("TR", 21);
    design.Turrets[1].NUMBER = 2;
    engine::RecalculateWeapons(design);
    EXPECT_EQ(design.WeaponFactors[1][1], 1) << "laser";
    EXPECT_EQ(design.WeaponFactors[2][1], 1) << "missile";
    EXPECT_EQ(design.WeaponFactors[3][1], 1) << "sand";
    EXPECT_EQ(design.WeaponCounts[2][1], 2) << "one missile launcher in each of two turrets";
}

}  // namespace
}  // namespace korvane
