#include "gui/batch_window_view.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "batch/batch_test_support.h"
#include "gui/modal_watchdog.h"
#include "gui/qt_prompter.h"
#include "support/temp_dir.h"

namespace korvane::gui_test {
namespace {

constexpr std::chrono::sys_days kToday{std::chrono::year(2026) / 12 / 7};

class BatchWindowViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(fleet_);
        batch_test::StartSession(session_, home_.path());
        logic_.Show();
        window_.Refresh();
    }

    void Write(const std::string& name, const batch_test::Ship& ship) {
        batch_test::WriteShip(fleet_ / name, session_.catalog->Features(), ship);
    }

    // The directory chooser is answered with the fleet's folder.
    void ChooseFleet() { watchdog_.Expect(ChoosePath(QString::fromStdString(fleet_.string()))); }

    QPushButton& Button(const char* name) {
        return *window_.findChild<QPushButton*>(QString::fromLatin1(name));
    }

    ModalWatchdog watchdog_;
    testing::TempDir home_;
    std::filesystem::path fleet_ = home_ / "fleet";
    Session session_;
    gui::QtPrompter prompter_;
    ui::BatchWindow logic_{session_, prompter_, [] { return kToday; }};
    gui::BatchWindowView window_{logic_};
};

TEST_F(BatchWindowViewTest, ARunShowsItsProgressWithTheTextAndTheBar) {
    Write("a.k2d", {"Alpha"});
    Write("b.k2d", {"Bravo"});
    std::vector<std::pair<int, int>> bar;
    std::vector<bool> done_enabled;
    auto* progress = window_.findChild<QProgressBar*>(QStringLiteral("Progress"));
    QObject::connect(progress, &QProgressBar::valueChanged, [&](int value) {
        bar.emplace_back(value, progress->maximum());
        done_enabled.push_back(Button("Done").isEnabled());
    });
    QSignalSpy ended(&window_, &gui::BatchWindowView::runEnded);
    QSignalSpy errors(&window_, &gui::BatchWindowView::errorListReady);
    ChooseFleet();
    Button("Resave").click();

    EXPECT_EQ(bar, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
    EXPECT_EQ(done_enabled, (std::vector<bool>{false, false})) << "Done waits while a run lasts";
    EXPECT_TRUE(window_.findChild<QLabel*>(QStringLiteral("ProgressText"))
                    ->text()
                    .endsWith(QStringLiteral("b.k2d 2 of 2")));
    EXPECT_TRUE(Button("Done").isEnabled());
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(errors.count(), 0);
    EXPECT_TRUE(std::filesystem::exists(fleet_ / "a.htm"));
}

TEST_F(BatchWindowViewTest, ADesignBreakingALimitAsksForTheErrorList) {
    Write("a.k2d", {"Alpha", 1, "Merchant", false});
    QSignalSpy errors(&window_, &gui::BatchWindowView::errorListReady);
    ChooseFleet();
    Button("ResaveAndWeb").click();
    EXPECT_EQ(errors.count(), 1);
    EXPECT_NE(logic_.ErrorListText().find("a.k2d - design error somewhere!"), std::string::npos)
        << logic_.ErrorListText();
}

TEST_F(BatchWindowViewTest, DoneHidesTheWindowAndCancelInTheChooserDoesNothing) {
    watchdog_.Expect(CloseDialog());
    Button("Resave").click();
    EXPECT_TRUE(window_.findChild<QLabel*>(QStringLiteral("ProgressText"))->text().isEmpty());

    QSignalSpy done(&window_, &gui::BatchWindowView::done);
    window_.show();
    Button("Done").click();
    EXPECT_FALSE(window_.isVisible());
    EXPECT_EQ(done.count(), 1);
}

}  // namespace
}  // namespace korvane::gui_test
