// Saves of one design file that meet: another program saving it while this
// one resaves it, and two sessions of this program resaving it at once.
// Neither loses a save without a word.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <set>
#include <thread>

#include "app/load_design.h"
#include "app/save_design.h"
#include "support/temp_dir.h"
#include "support/test_session.h"

namespace korvane {
namespace {

using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::chrono::sys_days kToday{std::chrono::year{2026} / 12 / 7};

void WaitUntil(Clock::time_point moment) {
    while (Clock::now() < moment) {
    }
}

class ConcurrentSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::StartTestSession(session_, dir_.path());
        session_.RecentListFrozen = true;
        ASSERT_TRUE(SaveDesign(session_, path_, kToday).ok());
        design_file_ = ReadText(path_);
    }

    // Lays the design file out afresh and loads it, as a resave starts.
    void LoadAfresh(Session& session) {
        WriteText(path_, design_file_);
        ASSERT_TRUE(LoadDesign(session, path_).ok());
    }

    TempDir dir_;
    std::string path_ = (dir_ / "ship.k2d").string();
    Session session_;
    std::string design_file_;
};

// Another program saves the file (a new file renamed over it, as editors do)
// at a moment anywhere from before this program's check to after its replace.
// Every run ends with the other program's bytes in the file: either this
// program refused and said so, or its save came first and the other's after.
TEST_F(ConcurrentSaveTest, AnotherProgramsSaveDuringAResaveIsNeverLost) {
    constexpr int kRuns = 200;
    const Clock::time_point timing_start = Clock::now();
    for (int i = 0; i < 5; ++i) {
        LoadAfresh(session_);
        ASSERT_TRUE(SaveDesign(session_, path_, kToday).ok());
    }
    const auto save_time = (Clock::now() - timing_start) / 5;
    std::mt19937 random(30);
    std::uniform_int_distribution<long long> delay(0, 3 * save_time.count() / 2);

    int refused = 0;
    for (int run = 0; run < kRuns; ++run) {
        LoadAfresh(session_);
        const std::string theirs = "another program's save " + std::to_string(run);
        const fs::path their_temporary = dir_ / "their-temporary";
        WriteText(their_temporary, theirs);
        const Clock::time_point start = Clock::now() + std::chrono::microseconds(200);
        const Clock::time_point their_moment = start + Clock::duration(delay(random));
        std::thread other([&] {
            WaitUntil(their_moment);
            ASSERT_EQ(std::rename(their_temporary.c_str(), path_.c_str()), 0);
        });
        WaitUntil(start);
        const Status saved = SaveDesign(session_, path_, kToday);
        other.join();

        ASSERT_EQ(ReadText(path_), theirs) << "run " << run << ": their save was lost";
        if (!saved) {
            ++refused;
            EXPECT_EQ(saved.message(), path_ + ": " + std::string(kChangedSinceRead));
        }
    }
    EXPECT_EQ(testing::NamesIn(dir_.path()),
              (std::set<std::string>{"korva.db", "ship.k2d", "ship.K2P", "ship.htm"}))
        << "no temporary is left";
    RecordProperty("refused", refused);
}

// Two sessions that read the same file resave it at once: the first to
// replace it wins, the other refuses, and the file holds the winner's design.
TEST_F(ConcurrentSaveTest, TwoResavesOfOneFileSaveOnceAndRefuseOnce) {
    constexpr int kRuns = 60;
    Session other;
    Result<std::unique_ptr<CatalogStore>> catalog = session_.catalog->OpenAgain();
    ASSERT_TRUE(catalog.ok()) << catalog.message();
    other.catalog = std::move(catalog.value());
    other.CatalogDir = session_.CatalogDir;
    other.RecentListFrozen = true;
    other.design = session_.design;

    for (int run = 0; run < kRuns; ++run) {
        LoadAfresh(session_);
        ASSERT_TRUE(LoadDesign(other, path_).ok());
        session_.design.SetShipName("Alpha");
        other.design.SetShipName("Bravo");
        std::atomic<int> ready{0};
        Status saved[2];
        const auto save = [&](Session& session, Status& result) {
            ++ready;
            while (ready < 2) {
            }
            result = SaveDesign(session, path_, kToday);
        };
        std::thread bravo(save, std::ref(other), std::ref(saved[1]));
        save(session_, saved[0]);
        bravo.join();

        SCOPED_TRACE("run " + std::to_string(run));
        ASSERT_NE(saved[0].ok(), saved[1].ok());
        const Status& refusal = saved[0].ok() ? saved[1] : saved[0];
        EXPECT_EQ(refusal.message(), path_ + ": " + std::string(kChangedSinceRead));
        ASSERT_TRUE(LoadDesign(other, path_).ok());
        EXPECT_EQ(other.design.ShipName().substr(0, 5), saved[0].ok() ? "Alpha" : "Bravo");
    }
}

}  // namespace
}  // namespace korvane
