#include "gui/crew_editor_view.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include "gui/child_widget.h"
#include "gui/item_view_rows.h"
#include "gui/modal_watchdog.h"
#include "gui/qt_prompter.h"
#include "support/temp_dir.h"
#include "support/test_session.h"

namespace korvane::gui_test {
namespace {

// Red as text colours are drawn: darkened for reading on a light background.
bool IsRed(const QLabel& label) {
    const QColor colour = label.palette().color(QPalette::WindowText);
    return colour.red() > 100 && colour.green() == 0 && colour.blue() == 0;
}

class CrewEditorViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::StartTestSession(session_, home_.path());
        view_ = std::make_unique<gui::CrewEditorView>(logic_);
        view_->Open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
    }

    gui::CrewEditorView& window() { return *view_; }
    QLabel& Value(int position) {
        return Child<QLabel>(window(), QStringLiteral("Value%1").arg(position));
    }

    ModalWatchdog watchdog_;
    testing::TempDir home_;
    Session session_;
    ui::DesignDocument document_{session_};
    gui::QtPrompter prompter_;
    ui::CrewEditor logic_{session_, document_, prompter_};
    std::unique_ptr<gui::CrewEditorView> view_;
};

TEST_F(CrewEditorViewTest, ShowsTheThreeFramesAndTheCrewBelowItsDefaultsInRed) {
    EXPECT_EQ(window().windowTitle(), QString::fromStdString(AppTitle()));
    EXPECT_EQ(Child<QGroupBox>(window(), QStringLiteral("CrewFrame")).title(),
              QStringLiteral("Crew"));
    EXPECT_EQ(Child<QGroupBox>(window(), QStringLiteral("EnvironmentFrame")).title(),
              QStringLiteral("Environment"));
    EXPECT_EQ(Child<QPushButton>(window(), QStringLiteral("Position1")).text(),
              QStringLiteral("Bridge"));
    EXPECT_TRUE(IsRed(Value(1))) << "a new design has no bridge crew yet";
    EXPECT_FALSE(IsRed(Value(11))) << "no passengers wanted";
    EXPECT_TRUE(Value(1).text().startsWith(QStringLiteral("1 ")));

    Child<QPushButton>(window(), QStringLiteral("AcceptDefaults")).click();
    EXPECT_FALSE(IsRed(Value(1)));
    EXPECT_EQ(session_.design.Slots[Slot::Crew].MISCNUM[1], 1);
    EXPECT_TRUE(session_.design.DesignChanged);
}

TEST_F(CrewEditorViewTest, APositionButtonAsksTheValueAndWhetherToFixIt) {
    watchdog_.Expect([](QWidget& dialog) {
        auto* box = dialog.findChild<QLineEdit*>();
        ASSERT_NE(box, nullptr);
        box->setText(QStringLiteral("4"));
        QTest::keyClick(box, Qt::Key_Return);
    });
    watchdog_.Expect(ClickButton(QStringLiteral("Yes")));
    Child<QPushButton>(window(), QStringLiteral("Position3")).click();
    ASSERT_TRUE(WaitUntil([this] { return watchdog_.Answered() == 2; }));
    EXPECT_EQ(session_.design.Slots[Slot::Crew].MISCNUM[3], 4);
    EXPECT_EQ(session_.design.Slots[Slot::PassengersAndCrewTotal].MISCSTR[9].str()[2], 'Y');
    EXPECT_EQ(Value(3).text().mid(24, 1), QStringLiteral("Y"));
}

TEST_F(CrewEditorViewTest, TheAccommodationListInstallsAndDoneStoresTheEnvironment) {
    auto& frame = Child<QWidget>(window(), QStringLiteral("Accommodation"));
    EXPECT_FALSE(frame.isWindow());
    auto& available = Child<QTableView>(frame, QStringLiteral("Available"));
    ASSERT_GT(RowCount(available), 0);
    watchdog_.Expect(ClickButton(QStringLiteral("2")));
    PressEnterOn(available, 0);
    EXPECT_EQ(Child<QListWidget>(frame, QStringLiteral("Installed")).count(), 1);
    EXPECT_EQ(session_.design.Accommodations[1].NUMBER, 2);

    Child<QCheckBox>(window(), QStringLiteral("GravPlates")).click();
    auto& airlocks = Child<QLineEdit>(window(), QStringLiteral("Airlocks"));
    airlocks.selectAll();
    QTest::keyClicks(&airlocks, QStringLiteral("2"));
    QSignalSpy done(&window(), &gui::CrewEditorView::done);
    QTest::keyClick(&airlocks, Qt::Key_Escape);
    EXPECT_FALSE(window().isVisible());
    ASSERT_EQ(done.count(), 1);
    EXPECT_EQ(session_.design.Environment[4].NUMBER, 2);
    EXPECT_EQ(session_.design.Environment[5].NUMBER != 0,
              Child<QCheckBox>(window(), QStringLiteral("GravPlates")).isChecked());
}

}  // namespace
}  // namespace korvane::gui_test
