#include "gui/window_placer.h"

#include <QScreen>
#include <QTest>
#include <QTimer>

#include "gui/hull_editor_view.h"
#include "gui/section_editor_host.h"
#include "program_fixture.h"

namespace korvane::gui_test {
namespace {

using ui::MainWindowCommand;

class WindowPlacerTest : public ProgramTest {};

// The main window moved where the totals fit on neither side of it comes back
// (from an editor) leaving them room: it does not open over them.
TEST_F(WindowPlacerTest, AWindowComingIntoUseDoesNotOpenOverTheTotals) {
    ASSERT_TRUE(Start());
    // Once the window's first placing has settled.
    ASSERT_TRUE(WaitUntil([this] { return Main().findChildren<QTimer*>().isEmpty(); }));
    const QRect area = Main().screen()->availableGeometry();
    const int totals_width = Totals().frameGeometry().width();
    const int room = area.width() - Main().frameGeometry().width() - totals_width;
    ASSERT_GE(room, 0) << "the screen holds both";
    // Where either side has less room than the totals need.
    Main().move(area.left() + totals_width / 2 + room / 2, Main().y());
    Button(MainWindowCommand::Hull)->click();
    program_.SectionEditors().HullEditor().close();
    ASSERT_TRUE(Main().isVisible());
    EXPECT_FALSE(Main().frameGeometry().intersects(Totals().frameGeometry()))
        << Main().frameGeometry().left() << " and " << Totals().frameGeometry().left();
    EXPECT_TRUE(area.contains(Main().frameGeometry()));
    EXPECT_TRUE(area.contains(Totals().frameGeometry()));
}

}  // namespace
}  // namespace korvane::gui_test
