#include "gui/korvawbu_window.h"

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

class KorvawbuWindowTest : public ::testing::Test {
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
    ui::Korvawbu logic_{session_, prompter_, [] { return kToday; }};
    gui::KorvawbuWindow window_{logic_};
};

TEST_F(KorvawbuWindowTest, ARunShowsItsProgressWithTheTextAndTheBar) {
    Write("a.k2d", {"Alpha"});
    Write("b.k2d", {"Bravo"});
    std::vector<std::pair<int, int>> bar;
    std::vector<bool> done_enabled;
    auto* progress = window_.findChild<QProgressBar*>(QStringLiteral("Progress"));
    QObject::connect(progress, &QProgressBar::valueChanged, [&](int value) {
        bar.emplace_back(value, progress->maximum());
        done_enabled.push_back(Button("Command2").isEnabled());
    });
    QSignalSpy ended(&window_, &gui::KorvawbuWindow::runEnded);
    QSignalSpy errors(&window_, &gui::KorvawbuWindow::errorListReady);
    ChooseFleet();
    Button("Command1").click();

    EXPECT_EQ(bar, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
    EXPECT_EQ(done_enabled, (std::vector<bool>{false, false})) << "Done waits while a run lasts";
    EXPECT_TRUE(window_.findChild<QLabel*>(QStringLiteral("Label1"))
                    ->text()
                    .endsWith(QStringLiteral("b.k2d 2 of 2")));
    EXPECT_TRUE(Button("Command2").isEnabled());
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(errors.count(), 0);
    EXPECT_TRUE(std::filesystem::exists(fleet_ / "a.htm"));
}

TEST_F(KorvawbuWindowTest, ADesignBreakingALimitAsksForTheErrorList) {
    Write("a.k2d", {"Alpha", 1, "Merchant", false});
    QSignalSpy errors(&window_, &gui::KorvawbuWindow::errorListReady);
    ChooseFleet();
    Button("Command3").click();
    EXPECT_EQ(errors.count(), 1);
    EXPECT_NE(logic_.ErrorListText().find("a.k2d - design error somewhere!"), std::string::npos)
        << logic_.ErrorListText();
}

TEST_F(KorvawbuWindowTest, DoneHidesTheWindowAndCancelInTheChooserDoesNothing) {
    watchdog_.Expect(CloseDialog());
    Button("Command1").click();
    EXPECT_TRUE(window_.findChild<QLabel*>(QStringLiteral("Label1"))->text().isEmpty());

    QSignalSpy done(&window_, &gui::KorvawbuWindow::done);
    window_.show();
    Button("Command2").click();
    EXPECT_FALSE(window_.isVisible());
    EXPECT_EQ(done.count(), 1);
}

}  // namespace
}  // namespace korvane::gui_test
