// The turrets, bay weapons and screens editors in the one list-editor window.
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "gui/list_editor_view_fixture.h"
#include "ui/editors/bays_editor.h"
#include "ui/editors/screens_editor.h"
#include "ui/editors/turrets_editor.h"

namespace korvane::gui_test {
namespace {

using TurretsEditorView = ListEditorViewTest<ui::TurretsEditor>;
using BaysEditorView = ListEditorViewTest<ui::BaysEditor>;
using ScreensEditorView = ListEditorViewTest<ui::ScreensEditor>;

TEST_F(TurretsEditorView, InstallAsksForTurretsAndBatteriesAndShowsTheFactor) {
    EXPECT_EQ(Child<QGroupBox>(window(), "Frame").title(), QStringLiteral("Turrets"));
    ASSERT_GT(RowCount(Available()), 10);
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
}

TEST_F(BaysEditorView, InstalledBaysShowTheirFactor) {
    EXPECT_EQ(Child<QGroupBox>(window(), "Frame").title(), QStringLiteral("Bay Weapons"));
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
    EXPECT_TRUE(RowText(Available(), 0).contains(QStringLiteral("  TL ")));
    watchdog_.Expect(ClickButton(QStringLiteral("1")));
    PressEnterOn(Available(), 0);
    ASSERT_EQ(Installed().count(), 1);
    EXPECT_TRUE(Installed().item(0)->text().endsWith(QStringLiteral(" x1")));
    EXPECT_GT(session_.design.Slots[Slot::Screens].KL, 0);
}

}  // namespace
}  // namespace korvane::gui_test
