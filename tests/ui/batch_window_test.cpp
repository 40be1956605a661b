#include "ui/batch_window.h"

#include <gtest/gtest.h>

#include "batch/batch_test_support.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

namespace korvane::ui {
namespace {

using batch_test::Ship;
using korvane::testing::QuestionKind;
using korvane::testing::ScriptedPrompter;
using korvane::testing::TempDir;

constexpr std::chrono::sys_days kToday{std::chrono::year(2026) / 12 / 7};

class BatchWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(fleet_);
        batch_test::StartSession(session_, home_.path());
        window_.Show();
    }

    void Write(const std::string& name, const Ship& ship) {
        batch_test::WriteShip(fleet_ / name, session_.catalog->Features(), ship);
    }

    std::string Folder() const { return fleet_.string() + "/"; }

    TempDir home_;
    std::filesystem::path fleet_ = home_ / "fleet";
    Session session_;
    ScriptedPrompter prompter_;
    BatchWindow window_{session_, prompter_, [] { return kToday; }};
};

TEST_F(BatchWindowTest, CancelInTheDirectoryChooserDoesNothing) {
    Write("a.k2d", {"Alpha"});
    session_.CurrentDesignPath = (fleet_ / "a.k2d").string();
    prompter_.AnswerDirectory(std::nullopt);
    window_.ResaveClick();
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(prompter_.questions()[0].title, Folder()) << "opens at the current design's folder";
    EXPECT_EQ(prompter_.beeps(), 0);
    EXPECT_FALSE(std::filesystem::exists(fleet_ / "a.htm"));
    EXPECT_EQ(window_.progress_text.caption, "");
    EXPECT_TRUE(window_.done.enabled);
}

TEST_F(BatchWindowTest, ARunKeepsTheWindowAliveAndBlocksItsButtonsUntilItEnds) {
    Write("a.k2d", {"Alpha"});
    Write("b.k2d", {"Bravo", 1, "Merchant", false});
    Write("c.k2d", {"Charlie"});
    struct Seen {
        std::string label;
        bool busy;
        bool buttons_enabled;
        bool operator==(const Seen&) const = default;
    };
    std::vector<Seen> seen;
    window_.OnProgress = [&] {
        seen.push_back(
            {window_.progress_text.caption, window_.Busy,
             window_.resave.enabled || window_.done.enabled || window_.resave_and_web.enabled});
        if (window_.Busy) {
            window_.ResaveClick();  // a click that slips through starts nothing
            window_.DoneClick();
            EXPECT_TRUE(window_.Visible);
        }
    };
    prompter_.AnswerDirectory(fleet_.string());  // without its trailing separator
    window_.ResaveClick();

    // "Done" stays disabled too: it would hand the design back to the user mid-run.
    EXPECT_EQ(seen, (std::vector<Seen>{{"", true, false},
                                       {Folder() + "a.k2d 1 of 3", true, false},
                                       {Folder() + "b.k2d 2 of 3", true, false},
                                       {Folder() + "c.k2d 3 of 3", true, false},
                                       {Folder() + "c.k2d 3 of 3", false, true}}));
    EXPECT_EQ(window_.progress.value, 3);
    EXPECT_EQ(window_.progress.maximum, 3);
    EXPECT_TRUE(window_.resave.enabled && window_.done.enabled && window_.resave_and_web.enabled);
    EXPECT_EQ(prompter_.beeps(), 3);
    EXPECT_TRUE(window_.ErrorWindowRequested);
    EXPECT_EQ(window_.ErrorListText().rfind(Folder() + "b.k2d - error\r\n    Power used", 0), 0u)
        << window_.ErrorListText();
    EXPECT_TRUE(window_.ErrorListText().ends_with("\r\n"));
}

TEST_F(BatchWindowTest, TheSecondRunListsOnlyItsOwnProblems) {
    Write("a.k2d", {"Alpha", 1, "Merchant", false});
    prompter_.AnswerDirectory(Folder()).AnswerDirectory(Folder()).AnswerDirectory(Folder());
    window_.ResaveAndWebClick();
    EXPECT_EQ(window_.ErrorListText().rfind(Folder() + "a.k2d - design error somewhere!\r\n", 0),
              0u)
        << window_.ErrorListText();

    Write("a.k2d", {"Alpha"});
    Write("b.k2d", {"Bravo", 7, "Nothing Known"});
    window_.ResaveAndWebClick();
    EXPECT_EQ(window_.ErrorListText(), Folder() + "b.k2d - can't match category\r\n");
    EXPECT_TRUE(window_.ErrorWindowRequested);

    Write("b.k2d", {"Bravo"});
    window_.ResaveAndWebClick();
    EXPECT_EQ(window_.ErrorListText(), "");
    EXPECT_FALSE(window_.ErrorWindowRequested) << "no error window after a clean run";
    EXPECT_EQ(prompter_.beeps(), 9);
}

TEST_F(BatchWindowTest, AFolderThatCannotBeReadIsToldInAMessage) {
    prompter_.AnswerDirectory((home_ / "nowhere").string());
    window_.ResaveClick();
    ASSERT_EQ(prompter_.questions().size(), 2u);
    EXPECT_EQ(prompter_.questions()[1].kind, QuestionKind::Message);
    EXPECT_NE(prompter_.questions()[1].text.find("nowhere"), std::string::npos);
    EXPECT_EQ(prompter_.beeps(), 0);
    EXPECT_FALSE(window_.ErrorWindowRequested);
    EXPECT_TRUE(window_.done.enabled);
}

TEST_F(BatchWindowTest, ARunnerCarriesTheJobAndTheWindowWaitsForItsEnd) {
    std::vector<BatchJob> jobs;
    window_.SetRunner([&jobs](const BatchJob& job) { jobs.push_back(job); });
    prompter_.AnswerDirectory(Folder());
    window_.ResaveAndWebClick();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].folder, Folder());
    EXPECT_EQ(jobs[0].kind, BatchKind::ResaveAndWeb);
    EXPECT_EQ(jobs[0].today, kToday);
    EXPECT_TRUE(window_.Running());
    EXPECT_FALSE(window_.done.enabled);
    window_.ResaveClick();  // a run is going: no second one, no question
    EXPECT_EQ(jobs.size(), 1u);
    EXPECT_EQ(prompter_.questions().size(), 1u);

    window_.Progressed({Folder() + "a.k2d", 1, 2});
    EXPECT_EQ(window_.progress_text.caption, Folder() + "a.k2d 1 of 2");
    EXPECT_EQ(window_.progress.value, 1);
    window_.Ended(BatchOutcome{2, {"a.k2d - error", "    No main computer"}});
    EXPECT_FALSE(window_.Running());
    EXPECT_TRUE(window_.done.enabled && window_.resave.enabled);
    EXPECT_TRUE(window_.ErrorWindowRequested);
    EXPECT_EQ(window_.ErrorListText(), "a.k2d - error\r\n    No main computer\r\n");
}

TEST_F(BatchWindowTest, DoneHidesTheWindowAndHandsBackToTheMainWindow) {
    EXPECT_EQ(window_.Caption, AppTitle());
    EXPECT_EQ(window_.resave.caption, "Load-calc-save all in a directory");
    EXPECT_EQ(window_.resave_and_web.caption, "Load-calc-save all in a directory and make web");
    bool main_window_shown = false;
    window_.OnDone = [&] { main_window_shown = true; };
    window_.DoneClick();
    EXPECT_FALSE(window_.Visible);
    EXPECT_TRUE(main_window_shown);
}

}  // namespace
}  // namespace korvane::ui
