#include "gui/list_editor_view.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
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

// The catalog key a table row carries as its item data.
ui::CatalogKey KeyOf(const QAbstractItemModel& rows, int row) {
    const QModelIndex index = rows.index(row, 0);
    return {index.data(Qt::UserRole + 1).toString().toStdString(),
            index.data(Qt::UserRole).toInt()};
}

QStringList Rows(QListWidget& list) {
    QStringList rows;
    for (int row = 0; row < list.count(); ++row) {
        rows << list.item(row)->text();
    }
    return rows;
}

using SensorsEditorViewTest = ListEditorViewTest<ui::SensorsEditor, gui::SensorsEditorView>;

TEST_F(SensorsEditorViewTest, ShowsTheCatalogsSensorsAsATableWithTheirFigures) {
    EXPECT_EQ(window().windowTitle(), QString::fromStdString(AppTitle()));
    EXPECT_EQ(Child<QGroupBox>(window(), "Frame").title(), QStringLiteral("Sensors"));
    ASSERT_GT(RowCount(Available()), 20);
    const QAbstractItemModel& rows = *Available().model();
    QStringList headings;
    for (int column = 0; column < rows.columnCount(); ++column) {
        headings << rows.headerData(column, Qt::Horizontal).toString();
        EXPECT_GE(Available().columnWidth(column),
                  static_cast<QAbstractItemView&>(Available()).sizeHintForColumn(column))
            << "every cell is seen whole";
    }
    EXPECT_EQ(headings, QStringList({"Label", "TL", "KL", "Tons", "MW", "Cr"}));
    EXPECT_FALSE(RowText(Available(), 0).endsWith(QLatin1Char(' ')));
    EXPECT_EQ(KeyOf(rows, 0), (ui::CatalogKey{"SA", 1}));
    EXPECT_TRUE(
        rows.index(0, 3).data(Qt::ToolTipRole).toString().contains(QStringLiteral(" KL  ")));
    EXPECT_EQ(Installed().count(), 0);
}

TEST_F(SensorsEditorViewTest, TheFilterNarrowsTheTableAsYouTypeAndEscapeEmptiesIt) {
    const int all = RowCount(Available());
    auto& filter = Child<QLineEdit>(window(), "AvailableFilter");
    QTest::keyClick(&window(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(filter.hasFocus()) << "Ctrl+F reaches the filter box";
    QTest::keyClicks(&filter, QStringLiteral("neu"));
    ASSERT_GT(RowCount(Available()), 0);
    ASSERT_LT(RowCount(Available()), all);
    for (int row = 0; row < RowCount(Available()); ++row) {
        EXPECT_TRUE(RowText(Available(), row).contains(QStringLiteral("neu"), Qt::CaseInsensitive));
    }

    // Down moves on to the first row; Enter installs it.
    const QString first = RowText(Available(), 0);
    QTest::keyClick(&filter, Qt::Key_Down);
    EXPECT_TRUE(Available().hasFocus());
    EXPECT_FALSE(Child<QLabel>(window(), "AvailableDetails").text().isEmpty());
    watchdog_.Expect(ClickButton(QStringLiteral("1")));
    QTest::keyClick(&Available(), Qt::Key_Return);
    ASSERT_EQ(Installed().count(), 1);
    EXPECT_TRUE(Installed().item(0)->text().startsWith(first.trimmed()));
    EXPECT_FALSE(Installed().item(0)->toolTip().isEmpty());

    filter.setFocus();
    QTest::keyClick(&filter, Qt::Key_Escape);
    EXPECT_TRUE(filter.text().isEmpty());
    EXPECT_EQ(RowCount(Available()), all);
    EXPECT_TRUE(window().isVisible());
}

TEST_F(SensorsEditorViewTest, AClickOnAHeadingSortsAndTheRowClickedIsInstalled) {
    QHeaderView& header = *Available().horizontalHeader();
    const int cost = 5;
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                      QPoint(header.sectionViewportPosition(cost) + 5, header.height() / 2));
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                      QPoint(header.sectionViewportPosition(cost) + 5, header.height() / 2));
    EXPECT_TRUE(header.isSortIndicatorShown());
    EXPECT_EQ(header.sortIndicatorSection(), cost);
    EXPECT_EQ(header.sortIndicatorOrder(), Qt::DescendingOrder);
    const QAbstractItemModel& rows = *Available().model();
    const auto cost_of = [&](int row) {
        const ui::CatalogKey key = KeyOf(rows, row);
        return session_.catalog->Features().LookupComponent(key.code, key.id).CR;
    };
    for (int row = 1; row < rows.rowCount(); ++row) {
        EXPECT_LE(cost_of(row), cost_of(row - 1)) << "dearest first";
    }

    const QPoint second = Available().visualRect(rows.index(1, 0)).center();
    watchdog_.Expect(ClickButton(QStringLiteral("1")));
    QTest::mouseClick(Available().viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(Available().viewport(), Qt::LeftButton, {}, second);
    ASSERT_EQ(Installed().count(), 1);
    const ui::CatalogKey clicked = KeyOf(rows, 1);
    EXPECT_EQ(session_.design.Sensors[1].TABLE.str(), clicked.code);
    EXPECT_EQ(session_.design.Sensors[1].IDNUM, clicked.id);
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
    const QPoint row = Available().visualRect(Available().model()->index(1, 0)).center();
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
}

TEST_F(SensorsEditorViewTest, EveryControlIsReachedByTabAndTheListsByTheirMnemonics) {
    for (const char* name : {"AvailableFilter", "Available", "Installed", "Defaults", "Done"}) {
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
    ui::DesignDocument document{session};
    testing::ScriptedPrompter prompter;
    ui::CommunicatorsEditor logic{session, document, prompter};
    gui::ListEditorView window{logic};
    window.show();
    EXPECT_EQ(Child<QGroupBox>(window, "Frame").title(), QStringLiteral("Communicators"));

    prompter.AnswerChoice(3);
    auto& available = Child<QTableView>(window, "Available");
    SelectRow(available, 1);
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
