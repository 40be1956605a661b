#include "gui/batch_window_view.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

#include "batch/batch_test_support.h"
#include "files/design_file.h"
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

    QPushButton& Button(const char* name) { return ButtonOf(window_, name); }
    static QPushButton& ButtonOf(gui::BatchWindowView& window, const char* name) {
        return *window.findChild<QPushButton*>(QString::fromLatin1(name));
    }

    // Waits for the run started last to end.
    static bool Ended(QSignalSpy& ended) { return ended.count() > 0 || ended.wait(60000); }

    ModalWatchdog watchdog_;
    testing::TempDir home_;
    std::filesystem::path fleet_ = home_ / "fleet";
    Session session_;
    gui::QtPrompter prompter_;
    ui::BatchWindow logic_{session_, prompter_, [] { return kToday; }};
    gui::BatchWindowView window_{logic_, session_};
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
    ASSERT_TRUE(Ended(ended));

    EXPECT_EQ(progress->text(), QStringLiteral("2 of 2 designs done"));
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
    QSignalSpy ended(&window_, &gui::BatchWindowView::runEnded);
    QSignalSpy errors(&window_, &gui::BatchWindowView::errorListReady);
    ChooseFleet();
    Button("ResaveAndWeb").click();
    ASSERT_TRUE(Ended(ended));
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

TEST_F(BatchWindowViewTest, TheWorkerRunsOffTheWindowsThreadAndHandsTheLastDesignBack) {
    for (const char* name : {"a", "b", "c"}) {
        Write(std::string(name) + ".k2d", {std::string("Ship ") + name});
    }
    const std::string before = session_.design.ShipName();
    QThread* const window_thread = QThread::currentThread();
    std::vector<bool> on_window_thread;
    std::vector<std::string> session_names;
    auto* progress = window_.findChild<QProgressBar*>(QStringLiteral("Progress"));
    QObject::connect(progress, &QProgressBar::valueChanged, [&] {
        on_window_thread.push_back(QThread::currentThread() == window_thread);
        session_names.push_back(session_.design.ShipName());
    });
    QSignalSpy ended(&window_, &gui::BatchWindowView::runEnded);
    ChooseFleet();
    Button("Resave").click();
    EXPECT_TRUE(logic_.Running()) << "the click returns while the run goes on";
    EXPECT_FALSE(Button("Resave").isEnabled());
    ASSERT_TRUE(Ended(ended));

    EXPECT_EQ(on_window_thread, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(session_names, (std::vector<std::string>(3, before)))
        << "the program's design is left alone while the run lasts";
    EXPECT_EQ(session_.design.ShipName().substr(0, 6), "Ship c");
    EXPECT_EQ(session_.CurrentDesignPath, (fleet_ / "c.k2d").string());
    EXPECT_FALSE(logic_.Running());
    EXPECT_TRUE(Button("Done").isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy pointer is gone";
}

TEST_F(BatchWindowViewTest, ARunWhoseCatalogCannotBeOpenedAgainIsToldAndEndsAtOnce) {
    Write("a.k2d", {"Alpha"});
    std::filesystem::remove(session_.catalog->Path());
    QSignalSpy ended(&window_, &gui::BatchWindowView::runEnded);
    QString told;
    ChooseFleet();
    watchdog_.Expect([&told](QWidget& box) {
        told = static_cast<QMessageBox&>(box).text();
        PressKey(Qt::Key_Return)(box);
    });
    Button("Resave").click();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_TRUE(told.contains(QStringLiteral("korva.db"))) << told.toStdString();
    EXPECT_FALSE(logic_.Running());
    EXPECT_TRUE(Button("Resave").isEnabled());
    EXPECT_FALSE(std::filesystem::exists(fleet_ / "a.htm"));
}

TEST_F(BatchWindowViewTest, ClosingTheWindowDuringARunLeavesItsFilesWhole) {
    constexpr int kShips = 40;
    for (int i = 0; i < kShips; ++i) {
        Write("ship" + std::to_string(100 + i) + ".k2d", {"Ship " + std::to_string(i)});
    }
    auto window = std::make_unique<gui::BatchWindowView>(logic_, session_);
    window->show();
    ChooseFleet();
    ButtonOf(*window, "Resave").click();
    ASSERT_TRUE(logic_.Running());
    EXPECT_FALSE(window->close()) << "the close box waits, as Done does, while a run lasts";
    EXPECT_TRUE(window->isVisible());
    window.reset();  // waits for the run

    int designs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(fleet_)) {
        const std::string extension = entry.path().extension().string();
        EXPECT_TRUE(extension == ".k2d" || extension == ".K2P" || extension == ".htm")
            << "no half-written file is left: " << entry.path();
        if (extension == ".k2d") {
            Design design;
            EXPECT_TRUE(ReadDesignFile(entry.path(), design).ok()) << entry.path();
            ++designs;
        }
    }
    EXPECT_EQ(designs, kShips);
    EXPECT_TRUE(std::filesystem::exists(fleet_ / "ship139.htm")) << "the run went to its end";
}

}  // namespace
}  // namespace korvane::gui_test
