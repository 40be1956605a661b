#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include "gui/anti_hijack_editor_view.h"
#include "gui/child_widget.h"
#include "gui/custom_features_editor_view.h"
#include "gui/modal_watchdog.h"
#include "gui/other_features_menu_view.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"
#include "support/test_session.h"

namespace korvane::gui_test {
namespace {

class OtherFeaturesViewTest : public ::testing::Test {
protected:
    void SetUp() override { testing::StartTestSession(session_, home_.path()); }

    ModalWatchdog watchdog_;
    testing::TempDir home_;
    Session session_;
    ui::DesignDocument document_{session_};
    testing::ScriptedPrompter prompter_;
};

TEST_F(OtherFeaturesViewTest, TheMenuLeadsToItsEditorsAndBack) {
    ui::OtherFeaturesMenu logic;
    gui::OtherFeaturesMenuView menu{logic};
    menu.show();
    QSignalSpy anti_hijack(&menu, &gui::OtherFeaturesMenuView::antiHijack);
    QSignalSpy custom(&menu, &gui::OtherFeaturesMenuView::customFeatures);
    QSignalSpy done(&menu, &gui::OtherFeaturesMenuView::done);

    Child<QPushButton>(menu, "AntiHijack").click();
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(anti_hijack.count(), 1);
    menu.show();
    Child<QPushButton>(menu, "CustomFeatures").click();
    EXPECT_EQ(custom.count(), 1);
    menu.show();
    EXPECT_EQ(Child<QPushButton>(menu, "Done").text(), QStringLiteral("&Done"));
    Child<QPushButton>(menu, "Done").click();
    EXPECT_FALSE(menu.isVisible());
    ASSERT_EQ(done.count(), 1);
}

TEST_F(OtherFeaturesViewTest, AntiHijackDefaultsFillTheInstalledList) {
    ui::AntiHijackEditor logic{session_, document_, prompter_};
    gui::AntiHijackEditorView window{logic};
    window.show();
    Child<QPushButton>(window, "Defaults").click();
    EXPECT_EQ(Child<QListWidget>(window, "Installed").count(), 5);
    QSignalSpy done(&window, &gui::ListEditorView::done);
    Child<QPushButton>(window, "Done").click();
    ASSERT_EQ(done.count(), 1);
}

TEST_F(OtherFeaturesViewTest, CustomFeaturesShowTheInstalledListAloneAndAddOne) {
    ui::CustomFeaturesEditor logic{session_, document_, prompter_};
    gui::CustomFeaturesEditorView window{logic};
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_FALSE(Child<QTableView>(window, "Available").isVisible());
    EXPECT_FALSE(Child<QLineEdit>(window, "AvailableFilter").isVisible());
    EXPECT_FALSE(Child<QLabel>(window, "AvailableCaption").isVisible());
    EXPECT_TRUE(Child<QListWidget>(window, "Installed").isVisible());

    prompter_.AnswerText("Observation Lounge")
        .AnswerText("2t")
        .AnswerText("2")
        .AnswerText("0.1")
        .AnswerText("250000")
        .AnswerChoice(1);
    Child<QPushButton>(window, "AddOne").click();
    auto& installed = Child<QListWidget>(window, "Installed");
    ASSERT_EQ(installed.count(), 1);
    EXPECT_EQ(installed.item(0)->text(), QStringLiteral("Observation Lounge   x1"));
    EXPECT_EQ(session_.design.CustomFeatures[1].KL, 27);
}

}  // namespace
}  // namespace korvane::gui_test
