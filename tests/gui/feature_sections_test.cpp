#include <QApplication>
#include <QPushButton>

#include "gui/program_fixture.h"

namespace korvane::gui_test {
namespace {

using ui::MainWindowCommand;

// The visible top-level window of that name, or none.
QWidget* ShownWindow(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName() == QString::fromLatin1(name)) {
            return window;
        }
    }
    return nullptr;
}

void Click(QWidget& window, const char* button) {
    auto* widget = window.findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(widget, nullptr) << button;
    widget->click();
}

using FeatureSectionsTest = ProgramTest;

TEST_F(FeatureSectionsTest, CrewAndCraftButtonsOpenTheirWindowsInPlaceOfTheMainWindow) {
    ASSERT_TRUE(Start());
    for (MainWindowCommand command :
         {MainWindowCommand::Crew, MainWindowCommand::Craft, MainWindowCommand::Other}) {
        EXPECT_TRUE(Button(command)->isEnabled());
    }

    Button(MainWindowCommand::Crew)->click();
    QWidget* crew = ShownWindow("CrewEditor");
    ASSERT_NE(crew, nullptr);
    EXPECT_FALSE(Main().isVisible());
    crew->showMinimized();
    EXPECT_TRUE(WaitUntil([this] { return !Totals().isVisible(); }))
        << "the totals window follows the editor's minimise";
    crew->showNormal();
    EXPECT_TRUE(WaitUntil([this] { return Totals().isVisible(); }));
    Click(*crew, "Done");
    EXPECT_FALSE(crew->isVisible());
    EXPECT_TRUE(Main().isVisible());

    Button(MainWindowCommand::Craft)->click();
    QWidget* craft = ShownWindow("CraftEditor");
    ASSERT_NE(craft, nullptr);
    EXPECT_FALSE(Main().isVisible());
    Click(*craft, "Done");
    EXPECT_TRUE(Main().isVisible());
}

TEST_F(FeatureSectionsTest, TheOtherFeaturesEditorsReturnToTheirMenu) {
    ASSERT_TRUE(Start());
    Button(MainWindowCommand::Other)->click();
    QWidget* menu = ShownWindow("OtherFeaturesMenu");
    ASSERT_NE(menu, nullptr);

    Click(*menu, "AntiHijack");
    QWidget* anti_hijack = ShownWindow("AntiHijackEditor");
    ASSERT_NE(anti_hijack, nullptr);
    EXPECT_FALSE(menu->isVisible());
    Click(*anti_hijack, "Done");
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(Main().isVisible());

    Click(*menu, "CustomFeatures");
    QWidget* custom = ShownWindow("CustomFeaturesEditor");
    ASSERT_NE(custom, nullptr);
    Click(*custom, "Done");
    EXPECT_TRUE(menu->isVisible());

    Click(*menu, "Done");
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(Main().isVisible());
}

}  // namespace
}  // namespace korvane::gui_test
