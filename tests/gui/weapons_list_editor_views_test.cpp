// The turrets, bay weapons and screens editors in the one list-editor window.
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "gui/list_editor_view.h"
#include "gui/modal_watchdog.h"
#include "gui/qt_prompter.h"
#include "support/temp_dir.h"
#include "support/test_session.h"
#include "ui/editors/bays_editor.h"
#include "ui/editors/screens_editor.h"
#include "ui/editors/turrets_editor.h"

namespace korvane::gui_test {
namespace {

template <typename Widget>
Widget& Child(QWidget& window, const char* name) {
    auto* child = window.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return *child;
}

// The window of `Editor` over a session on the standard catalog.
template <typename Editor>
class WeaponsListEditorView : public ::testing::Test {
protected:
    void SetUp() override {
        testing::StartTestSession(session_, home_.path());
        logic_ = std::make_unique<Editor>(session_, events_, prompter_);
        view_ = std::make_unique<gui::ListEditorView>(*logic_);
        view_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
    }

    gui::ListEditorView& window() { return *view_; }
    QListWidget& Available() { return Child<QListWidget>(window(), "Available"); }
    QListWidget& Installed() { return Child<QListWidget>(window(), "Installed"); }

    void PressEnterOn(QListWidget& list, int row) {
        list.setCurrentRow(row);
        QTest::keyClick(&list, Qt::Key_Return);
    }

    ModalWatchdog watchdog_;
    testing::TempDir home_;
    Session session_;
    ui::DesignEvents events_{session_.design};
    gui::QtPrompter prompter_;
    std::unique_ptr<Editor> logic_;
    std::unique_ptr<gui::ListEditorView> view_;
};

using TurretsEditorView = WeaponsListEditorView<ui::TurretsEditor>;
using BaysEditorView = WeaponsListEditorView<ui::BaysEditor>;
using ScreensEditorView = WeaponsListEditorView<ui::ScreensEditor>;

TEST_F(TurretsEditorView, InstallAsksForTurretsAndBatteriesAndShowsTheFactor) {
    EXPECT_EQ(Child<QGroupBox>(window(), "Frame").title(), QStringLiteral("Turrets"));
    ASSERT_GT(Available().count(), 10);
    watchdog_.Expect(ClickButton(QStringLiteral("2")));
    watchdog_.Expect(ClickButton(QStringLiteral("1")));
    PressEnterOn(Available(), 0);
    ASSERT_EQ(Installed().count(), 1);
    const QString row = Installed().item(0)->text();
    EXPECT_TRUE(row.contains(QStringLiteral(" x2  factor "))) << row.toStdString();
    EXPECT_TRUE(row.endsWith(QStringLiteral(" bty 1"))) << row.toStdString();
    EXPECT_EQ(session_.design.Turrets[1].NUMBER, 2);
    EXPECT_TRUE(session_.design.DesignChanged);
}

TEST_F(TurretsEditorView, ClosingTheBatteryQuestionInstallsNothing) {
    watchdog_.Expect(ClickButton(QStringLiteral("3")));
    watchdog_.Expect(CloseDialog());
    PressEnterOn(Available(), 1);
    EXPECT_EQ(Installed().count(), 0);
    EXPECT_EQ(session_.design.Turrets[1].NUMBER, 0);
    EXPECT_FALSE(session_.design.DesignChanged);
}

TEST_F(TurretsEditorView, MaxFactorSetsTheBatteriesOfAnInstalledTurret) {
    watchdog_.Expect(ClickButton(QStringLiteral("3")));
    watchdog_.Expect(ClickButton(QStringLiteral("3")));
    PressEnterOn(Available(), 0);
    watchdog_.Expect(ClickButton(QStringLiteral("MaxFactor")));
    watchdog_.Expect(ClickButton(QStringLiteral("1")));
    PressEnterOn(Installed(), 0);
    EXPECT_EQ(session_.design.Turrets[1].MISCSTR[2].trimmed(), "3") << "one weapon a battery";
    EXPECT_TRUE(Installed().item(0)->text().endsWith(QStringLiteral(" bty 3")));
}

TEST_F(TurretsEditorView, DoneNamesTheWeaponSystemsEditor) {
    QSignalSpy done(&window(), &gui::ListEditorView::done);
    Child<QPushButton>(window(), "Done").click();
    EXPECT_FALSE(window().isVisible());
    ASSERT_EQ(done.count(), 1);
    EXPECT_EQ(done.at(0).at(0).value<ui::ParentWindow>(), ui::ParentWindow::WeaponSystemsEditor);
}

TEST_F(BaysEditorView, InstalledBaysShowTheirFactor) {
    EXPECT_EQ(Child<QGroupBox>(window(), "Frame").title(), QStringLiteral("Bay Weapons"));
    EXPECT_FALSE(Available().item(0)->text().endsWith(QStringLiteral("BY")));
    watchdog_.Expect(ClickButton(QStringLiteral("2")));
    PressEnterOn(Available(), 0);
    ASSERT_EQ(Installed().count(), 1);
    const std::string factor = session_.design.Bays[1].USP.str();
    EXPECT_NE(factor, " ");
    EXPECT_TRUE(Installed().item(0)->text().endsWith(
        QString::fromStdString(" x2  (Factor-" + factor + ")")))
        << Installed().item(0)->text().toStdString();
    EXPECT_EQ(session_.design.Bays[1].NUMBER, 2);
}

TEST_F(ScreensEditorView, ScreensAreListedWithTheirTechLevelAndInstalled) {
    EXPECT_EQ(Child<QGroupBox>(window(), "Frame").title(), QStringLiteral("Screens"));
    EXPECT_TRUE(Available().item(0)->text().contains(QStringLiteral("  TL ")));
    watchdog_.Expect(ClickButton(QStringLiteral("1")));
    PressEnterOn(Available(), 0);
    ASSERT_EQ(Installed().count(), 1);
    EXPECT_TRUE(Installed().item(0)->text().endsWith(QStringLiteral(" x1")));
    EXPECT_GT(session_.design.Slots[Slot::Screens].KL, 0);
}

}  // namespace
}  // namespace korvane::gui_test
