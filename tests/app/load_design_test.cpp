#include "app/load_design.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <utility>
#include <vector>

#include "engine/status_summary.h"
#include "files/design_file.h"
#include "support/random_design.h"
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

// A design file keeps 15 significant digits: figures worked out from others
// read back that way must not move a digit with every resave.
TEST_F(LoadDesignTest, EveryDesignResavesToTheSameBytesTheSecondTime) {
    const auto resaved = [this](const std::string& bytes) {
        std::istringstream in(bytes);
        Design design;
        EXPECT_TRUE(LoadDesignCopy(session_.catalog->Features(), in, "design", design).ok());
        std::ostringstream out;
        WriteDesign(out, design);
        return out.str();
    };
    std::vector<std::pair<std::string, std::string>> designs;
    for (const char* name : {"not_fixed_point_1e28.k2d", "not_fixed_point_3e16.k2d"}) {
        designs.emplace_back(name,
                             testing::ReadText(std::string(KORVANE_TEST_DATA) + "/resave/" + name));
    }
    std::mt19937 random(20261207);
    for (int i = 0; i < 20; ++i) {
        std::ostringstream out;
        WriteDesign(out, testing::RandomDesign(session_.catalog->Features(), random));
        designs.emplace_back("random design " + std::to_string(i), out.str());
    }
    for (const auto& [name, bytes] : designs) {
        SCOPED_TRACE(name);
        const std::string first = resaved(bytes);
        EXPECT_EQ(resaved(first), first);
    }
}

}  // namespace
}  // namespace korvane
