#include "gui/list_editor_view.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "gui/list_editor_view_fixture.h"
#include "gui/sensors_editor_view.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"
#include "support/test_session.h"
#include "ui/editors/communicators_editor.h"

namespace korvane::gui_test {
namespace {

QStringList Rows(QListWidget& list) {
    QStringList rows;
    for (int row = 0; row < list.count(); ++row) {
        rows << list.item(row)->text();
    }
    return rows;
}

using SensorsEditorViewTest = ListEditorViewTest<ui::SensorsEditor, gui::SensorsEditorView>;

TEST_F(SensorsEditorViewTest, ShowsTheCatalogsSensorsWithoutTheirHiddenCodes) {
    EXPECT_EQ(window().windowTitle(), QString::fromStdString(AppTitle()));
    EXPECT_EQ(Child<QGroupBox>(window(), "Frame").title(), QStringLiteral("Sensors"));
    ASSERT_GT(Available().count(), 20);
    const QString first = Available().item(0)->text();
    EXPECT_FALSE(first.endsWith(QLatin1Char(' ')));
    EXPECT_FALSE(first.endsWith(QStringLiteral("SA")));
    EXPECT_GE(Available().minimumWidth(), Available().sizeHintForColumn(0))
        << "every label is seen whole";
    EXPECT_EQ(Installed().count(), 0);
}

TEST_F(SensorsEditorViewTest, EnterOnARowInstallsAndModifiesIt) {
    watchdog_.Expect(ClickButton(QStringLiteral("2")));
    PressEnterOn(Available(), 0);
    ASSERT_EQ(Installed().count(), 1);
    EXPECT_TRUE(Installed().item(0)->text().endsWith(QStringLiteral(" x2")));
    EXPECT_EQ(session_.design.Sensors[1].NUMBER, 2);
    EXPECT_TRUE(session_.design.DesignChanged);

    Installed().setCurrentRow(0);
    EXPECT_TRUE(
        Child<QLabel>(window(), "InstalledDetails").text().contains(QStringLiteral(" KL  ")));

    watchdog_.Expect(ClickButton(QStringLiteral("Remove")));
    PressEnterOn(Installed(), 0);
    EXPECT_EQ(Installed().count(), 0);
    EXPECT_EQ(session_.design.Sensors[1].NUMBER, 0);
}

TEST_F(SensorsEditorViewTest, ADialogClosedWithoutAChoiceInstallsNothing) {
    watchdog_.Expect(CloseDialog());
    const QPoint row = Available().visualItemRect(Available().item(1)).center();
    QTest::mouseClick(Available().viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(Available().viewport(), Qt::LeftButton, {}, row);
    EXPECT_EQ(Installed().count(), 0);
    EXPECT_FALSE(session_.design.DesignChanged);
}

TEST_F(SensorsEditorViewTest, DefaultsInstallTheSuiteAndShowTheScanResults) {
    watchdog_.Expect(ClickButton(QStringLiteral("1")));
    Child<QPushButton>(window(), "Defaults").click();
    EXPECT_GE(Installed().count(), 3);
    const QString scan = Child<QLabel>(window(), "ScanResults").text();
    EXPECT_TRUE(scan.contains(QStringLiteral("AOS=")) && scan.contains(QStringLiteral("PEP=")));
    EXPECT_FALSE(scan.contains(QStringLiteral("AOS=-"))) << "the active sensors scan";
}

TEST_F(SensorsEditorViewTest, DoneHidesTheWindowAndNamesTheElectronicsEditor) {
    QSignalSpy done(&window(), &gui::ListEditorView::done);
    Child<QPushButton>(window(), "Done").click();
    EXPECT_FALSE(window().isVisible());
    ASSERT_EQ(done.count(), 1);
    EXPECT_EQ(done.at(0).at(0).value<ui::ParentWindow>(), ui::ParentWindow::ElectronicsEditor);
}

TEST_F(SensorsEditorViewTest, EveryControlIsReachedByTabAndTheListsByTheirMnemonics) {
    for (const char* name : {"Available", "Installed", "Defaults", "Done"}) {
        EXPECT_TRUE(Child<QWidget>(window(), name).focusPolicy() & Qt::TabFocus) << name;
    }
    QLabel& caption = Child<QLabel>(window(), "AvailableCaption");
    EXPECT_EQ(caption.text(), QStringLiteral("&Available:"));
    EXPECT_EQ(caption.buddy(), &Available());
    EXPECT_EQ(Child<QLabel>(window(), "InstalledCaption").buddy(), &Installed());
    Child<QPushButton>(window(), "Done").setFocus();
    QTest::keyClick(&window(), Qt::Key_I, Qt::AltModifier);
    EXPECT_TRUE(Installed().hasFocus()) << "Alt+I reaches the installed list";
}

TEST(CommunicatorsEditorView, InstallsACommunicatorWithTheListEditorAlone) {
    ModalWatchdog watchdog;
    testing::TempDir home;
    Session session;
    testing::StartTestSession(session, home.path());
    ui::DesignEvents events{session.design};
    testing::ScriptedPrompter prompter;
    ui::CommunicatorsEditor logic{session, events, prompter};
    gui::ListEditorView window{logic};
    window.show();
    EXPECT_EQ(Child<QGroupBox>(window, "Frame").title(), QStringLiteral("Communicators"));

    prompter.AnswerChoice(3);
    auto& available = Child<QListWidget>(window, "Available");
    available.setCurrentRow(1);
    QTest::keyClick(&available, Qt::Key_Enter);
    EXPECT_EQ(Rows(Child<QListWidget>(window, "Installed")).size(), 1);
    EXPECT_EQ(session.design.Communicators[1].NUMBER, 3);
    EXPECT_EQ(prompter.questions().at(0).title, "Install how many?");

    // A label never set shows as blanks, not as text cut short at a NUL.
    session.design.Communicators[2] = session.design.Communicators[1];
    session.design.Communicators[2].LABEL = FixedText<20>();
    logic.Activate();
    window.Refresh();
    EXPECT_EQ(Rows(Child<QListWidget>(window, "Installed")).at(1),
              QStringLiteral("%1 x3").arg(QString(20, QLatin1Char(' '))));
}

}  // namespace
}  // namespace korvane::gui_test
