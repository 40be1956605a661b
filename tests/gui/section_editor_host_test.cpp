#include "gui/section_editor_host.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "gui/electronics_editor_view.h"
#include "gui/hull_editor_view.h"
#include "gui/item_view_rows.h"
#include "gui/list_editor_view.h"
#include "gui/power_editor_view.h"
#include "gui/sensors_editor_view.h"
#include "gui/weapons_editor_view.h"
#include "program_fixture.h"

namespace korvane::gui_test {
namespace {

using ui::MainWindowCommand;

class SectionEditorHostTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        ASSERT_TRUE(Start());
    }

    gui::SectionEditorHost& Editors() { return program_.SectionEditors(); }
    template <typename Widget>
    Widget& In(QWidget& window, const char* name) {
        return *window.findChild<Widget*>(QString::fromLatin1(name));
    }
};

TEST_F(SectionEditorHostTest, ASectionButtonShowsItsEditorInsteadOfTheMainWindow) {
    Button(MainWindowCommand::Hull)->click();
    gui::HullEditorView& hull = Editors().HullEditor();
    EXPECT_TRUE(hull.isVisible());
    EXPECT_FALSE(Main().isVisible());
    EXPECT_TRUE(Totals().isVisible());
    EXPECT_EQ(In<QLineEdit>(hull, "displacement").text(), QStringLiteral("100"));

    In<QPushButton>(hull, "cancel").click();
    EXPECT_FALSE(hull.isVisible());
    EXPECT_TRUE(Main().isVisible());
}

// The notice refreshes the totals window and the main window's title at once.
TEST_F(SectionEditorHostTest, AnAcceptedChangeShowsInTheTotalsAndTheTitle) {
    Button(MainWindowCommand::Hull)->click();
    gui::HullEditorView& hull = Editors().HullEditor();
    QLineEdit& displacement = In<QLineEdit>(hull, "displacement");
    displacement.selectAll();
    QTest::keyClicks(&displacement, QStringLiteral("400"));
    QTest::keyClick(&displacement, Qt::Key_Return);
    EXPECT_TRUE(TotalsText("Displacement").startsWith(QStringLiteral("D: 400")));
    EXPECT_EQ(TotalsText("ChangedMark"), QStringLiteral("Changed"));
    EXPECT_TRUE(Main().isVisible());
    EXPECT_TRUE(Main().windowTitle().endsWith(QStringLiteral("*")));
}

TEST_F(SectionEditorHostTest, TheTotalsWindowFollowsTheEditorsMinimise) {
    Button(MainWindowCommand::Power)->click();
    gui::PowerEditorView& power = Editors().PowerEditor();
    ASSERT_TRUE(power.isVisible());
    power.showMinimized();
    EXPECT_TRUE(WaitUntil([this] { return !Totals().isVisible(); }));
    power.showNormal();
    EXPECT_TRUE(WaitUntil([this] { return Totals().isVisible(); }));
}

// Electronics leads on to the sensors and communicators; "Done" there shows
// electronics again, with what was chosen in it before.
TEST_F(SectionEditorHostTest, ElectronicsLeadsOnToTheListEditorsAndBack) {
    Button(MainWindowCommand::Electronics)->click();
    gui::ElectronicsEditorView& electronics = Editors().ElectronicsEditor();
    In<QComboBox>(electronics, "avionics").setCurrentIndex(2);
    In<QToolButton>(electronics, "sensors").click();
    gui::SensorsEditorView& sensors = Editors().SensorsEditor();
    EXPECT_TRUE(sensors.isVisible());
    EXPECT_FALSE(electronics.isVisible());
    EXPECT_FALSE(Main().isVisible());

    In<QPushButton>(sensors, "Done").click();
    EXPECT_FALSE(sensors.isVisible());
    EXPECT_TRUE(electronics.isVisible());
    EXPECT_EQ(In<QComboBox>(electronics, "avionics").currentIndex(), 2);

    In<QToolButton>(electronics, "communicators").click();
    gui::ListEditorView& communicators = Editors().CommunicatorsEditor();
    EXPECT_TRUE(communicators.isVisible());
    In<QPushButton>(communicators, "Done").click();
    EXPECT_TRUE(electronics.isVisible());
    In<QPushButton>(electronics, "accept").click();
    EXPECT_TRUE(Main().isVisible());
    EXPECT_EQ(program_.session().design.Slots[Slot::Avionics].LABEL.trimmed(), "Avionics-Standard");
}

// The weapons hub leads on to the turrets, bay weapons and screens; their
// "Done" shows the hub again with the factors of what they installed.
TEST_F(SectionEditorHostTest, WeaponsLeadOnToTheirListEditorsAndBack) {
    Button(MainWindowCommand::Weapons)->click();
    gui::WeaponsEditorView& weapons = Editors().WeaponsEditor();
    EXPECT_TRUE(weapons.isVisible());
    EXPECT_FALSE(Main().isVisible());

    In<QToolButton>(weapons, "turrets").click();
    gui::ListEditorView& turrets = Editors().TurretsEditor();
    EXPECT_TRUE(turrets.isVisible());
    EXPECT_FALSE(weapons.isVisible());
    watchdog_.Expect(ClickButton(QStringLiteral("2")));
    watchdog_.Expect(ClickButton(QStringLiteral("1")));
    PressEnterOn(In<QTableView>(turrets, "Available"), 0);
    In<QPushButton>(turrets, "Done").click();
    EXPECT_FALSE(turrets.isVisible());
    EXPECT_TRUE(weapons.isVisible());
    EXPECT_EQ(In<QLabel>(weapons, "weapon_names").text(), QStringLiteral("Laser"));

    In<QToolButton>(weapons, "bays").click();
    EXPECT_TRUE(Editors().BaysEditor().isVisible());
    In<QPushButton>(Editors().BaysEditor(), "Done").click();
    In<QToolButton>(weapons, "screens").click();
    EXPECT_TRUE(Editors().ScreensEditor().isVisible());
    EXPECT_FALSE(weapons.isVisible());
    In<QPushButton>(Editors().ScreensEditor(), "Done").click();
    EXPECT_TRUE(weapons.isVisible());
    In<QPushButton>(weapons, "accept").click();
    EXPECT_TRUE(Main().isVisible());
    EXPECT_EQ(program_.session().design.Turrets[1].NUMBER, 2);
}

}  // namespace
}  // namespace korvane::gui_test
