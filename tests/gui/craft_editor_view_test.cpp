#include "gui/craft_editor_view.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include "gui/child_widget.h"
#include "gui/item_view_rows.h"
#include "gui/modal_watchdog.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"
#include "support/test_session.h"

namespace korvane::gui_test {
namespace {

TEST(CraftEditorView, InstallsACraftAndSetsTheLaunchTubes) {
    ModalWatchdog watchdog;
    testing::TempDir home;
    Session session;
    testing::StartTestSession(session, home.path());
    ui::DesignDocument document{session};
    testing::ScriptedPrompter prompter;
    ui::CraftEditor logic{session, document, prompter};
    gui::CraftEditorView window{logic};
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    auto& available = Child<QTableView>(window, "Available");
    ASSERT_EQ(RowCount(available), 12);
    EXPECT_EQ(RowText(available, 3), QStringLiteral("Ship's Launch, 20 tons")) << "the whole name";
    SelectRow(available, 3);
    EXPECT_EQ(Child<QLabel>(window, "AvailableDetails").text(),
              QStringLiteral("270 KL  15 Tons   KCr14,000.0 TL 9"));
    prompter.AnswerChoice(2);
    QTest::keyClick(&available, Qt::Key_Return);
    ASSERT_EQ(Child<QListWidget>(window, "Installed").count(), 1);
    EXPECT_EQ(Child<QListWidget>(window, "Installed").item(0)->text(),
              QStringLiteral("Ship's Launch, 20 tons x2"));

    auto& tubes = Child<QPushButton>(window, "LaunchTubes");
    EXPECT_EQ(tubes.text(), QStringLiteral("No launch tube"));
    prompter.AnswerText("2").AnswerText("50");
    tubes.click();
    EXPECT_EQ(tubes.text(), QStringLiteral("2 launch tubes for max displacement 50 tons."));
    EXPECT_EQ(session.design.Slots[Slot::LaunchTube].NUMBER, 1);
}

}  // namespace
}  // namespace korvane::gui_test
