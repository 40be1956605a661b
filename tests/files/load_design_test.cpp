#include "files/load_design.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/status_summary.h"
#include "files/design_file.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"
#include "support/test_session.h"

namespace korvane {
namespace {

using testing::ScriptedPrompter;
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
    ASSERT_TRUE(LoadDesignFile(session_, path).ok());
    EXPECT_EQ(session_.design.ShipName().substr(0, 10), "Far Trader");
    EXPECT_EQ(session_.design.HullKL(), 2700) << "recalculated from the loaded hull";
    EXPECT_LT(session_.design.UsedKL(), 2700) << "the stored total was rebuilt";
    EXPECT_FALSE(session_.design.DesignChanged);
    EXPECT_EQ(session_.CurrentDesignPath, path);
    EXPECT_EQ(session_.catalog->Filespec(1), path);
}

TEST_F(LoadDesignTest, ABadFileChangesNeitherDesignNorPathNorRecentFiles) {
    const std::string good = SavedShip("Good", 1350);
    ASSERT_TRUE(LoadDesignFile(session_, good).ok());
    MarkChanged(session_.design);
    const Design before = session_.design;

    const std::string bad = (dir_ / "bad.k2d").string();
    testing::WriteText(bad, "truncated\r\n");
    const Status loaded = LoadDesignFile(session_, bad);
    ASSERT_FALSE(loaded.ok());
    EXPECT_NE(loaded.message().find(bad), std::string::npos) << loaded.message();
    EXPECT_EQ(session_.design.ShipName(), before.ShipName());
    EXPECT_TRUE(session_.design.DesignChanged);
    EXPECT_EQ(session_.CurrentDesignPath, good);
    EXPECT_EQ(session_.catalog->Filespec(1), good);
    EXPECT_EQ(session_.catalog->Filespec(2), "");

    EXPECT_FALSE(LoadDesignFile(session_, (dir_ / "missing.k2d").string()).ok());
    EXPECT_EQ(session_.CurrentDesignPath, good);
}

TEST_F(LoadDesignTest, AFrozenRecentListIsLeftAlone) {
    session_.RecentListFrozen = true;
    ASSERT_TRUE(LoadDesignFile(session_, SavedShip("Batch", 1350)).ok());
    EXPECT_EQ(session_.catalog->Filespec(1), "");
}

TEST_F(LoadDesignTest, LoadDesignAsksInTheWorkingFolderAndACancelChangesNothing) {
    const std::string path = SavedShip("Courier", 2700);
    MarkChanged(session_.design);
    ScriptedPrompter prompter;
    prompter.AnswerOpenFile(std::nullopt).AnswerOpenFile("");
    ASSERT_TRUE(LoadDesign(session_, LoadMode::AskForFile, prompter).ok());
    ASSERT_TRUE(LoadDesign(session_, LoadMode::AskForFile, prompter).ok());
    const FileDialogRequest& request = prompter.questions()[0].file;
    EXPECT_EQ(request.pattern, "*.k2d");
    EXPECT_EQ(request.initial_name, "*.k2d");
    EXPECT_EQ(request.initial_folder, std::filesystem::current_path().string());
    EXPECT_TRUE(session_.design.DesignChanged);
    EXPECT_EQ(session_.CurrentDesignPath, "");

    prompter.AnswerOpenFile(path);
    ASSERT_TRUE(LoadDesign(session_, LoadMode::AskForFile, prompter).ok());
    EXPECT_EQ(session_.design.HullKL(), 2700);
    EXPECT_EQ(session_.CurrentDesignPath, path);
}

TEST_F(LoadDesignTest, LoadDesignOfTheCurrentPathAsksNothing) {
    ScriptedPrompter prompter;
    session_.CurrentDesignPath = SavedShip("Courier", 2700);
    ASSERT_TRUE(LoadDesign(session_, LoadMode::CurrentPath, prompter).ok());
    EXPECT_EQ(session_.design.HullKL(), 2700);
    EXPECT_TRUE(prompter.questions().empty());

    session_.CurrentDesignPath = (dir_ / "gone.k2d").string();  // a stale recent-files row
    const Status stale = LoadDesign(session_, LoadMode::CurrentPath, prompter);
    ASSERT_FALSE(stale.ok());
    EXPECT_NE(stale.message().find("gone.k2d"), std::string::npos) << stale.message();
    EXPECT_EQ(session_.design.HullKL(), 2700);
}

}  // namespace
}  // namespace korvane
