#include "app/load_design.h"

#include <gtest/gtest.h>

#include "engine/status_summary.h"
#include "files/design_file.h"
#include "support/temp_dir.h"
#include "support/test_session.h"

namespace korvane {
namespace {

using testing::TempDir;

class LoadDesignTest : public ::testing::Test {
protected:
    void SetUp() override { testing::StartTestSession(session_, dir_.path()); }

    std::string SavedShip(const std::string& name, double hull_kl) {
        Design ship = session_.design;
        ship.SetShipName(name);
        ship.Slots[Slot::Hull].KL = hull_kl;
        ship.UsedKL() = 99999;  // stored totals are not trusted
        const std::string path = (dir_ / (name + ".k2d")).string();
        EXPECT_TRUE(WriteDesignFile(path, ship).ok());
        return path;
    }

    TempDir dir_;
    Session session_;
};

TEST_F(LoadDesignTest, AGoodFileReplacesTheDesignIsRecalculatedAndCountsAsSaved) {
    const std::string path = SavedShip("Far Trader", 2700);
    MarkChanged(session_.design);
    ASSERT_TRUE(LoadDesign(session_, path).ok());
    EXPECT_EQ(session_.design.ShipName().substr(0, 10), "Far Trader");
    EXPECT_EQ(session_.design.HullKL(), 2700) << "recalculated from the loaded hull";
    EXPECT_LT(session_.design.UsedKL(), 2700) << "the stored total was rebuilt";
    EXPECT_FALSE(session_.design.DesignChanged);
    EXPECT_EQ(session_.CurrentDesignPath, path);
    EXPECT_EQ(session_.catalog->Filespec(1), path);
}

TEST_F(LoadDesignTest, ABadFileChangesNeitherDesignNorPathNorRecentFiles) {
    const std::string good = SavedShip("Good", 1350);
    ASSERT_TRUE(LoadDesign(session_, good).ok());
    MarkChanged(session_.design);
    const Design before = session_.design;

    const std::string bad = (dir_ / "bad.k2d").string();
    testing::WriteText(bad, "truncated\r\n");
    const Status loaded = LoadDesign(session_, bad);
    ASSERT_FALSE(loaded.ok());
    EXPECT_NE(loaded.message().find(bad), std::string::npos) << loaded.message();
    EXPECT_EQ(session_.design.ShipName(), before.ShipName());
    EXPECT_TRUE(session_.design.DesignChanged);
    EXPECT_EQ(session_.CurrentDesignPath, good);
    EXPECT_EQ(session_.catalog->Filespec(1), good);
    EXPECT_EQ(session_.catalog->Filespec(2), "");

    EXPECT_FALSE(LoadDesign(session_, (dir_ / "missing.k2d").string()).ok());
    EXPECT_EQ(session_.CurrentDesignPath, good);
}

TEST_F(LoadDesignTest, AFrozenRecentListIsLeftAlone) {
    session_.RecentListFrozen = true;
    ASSERT_TRUE(LoadDesign(session_, SavedShip("Batch", 1350)).ok());
    EXPECT_EQ(session_.catalog->Filespec(1), "");
}

}  // namespace
}  // namespace korvane
