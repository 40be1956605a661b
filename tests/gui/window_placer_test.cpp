#include "gui/window_placer.h"

#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "gui/electronics_editor_view.h"
#include "gui/section_editor_host.h"
#include "program_fixture.h"

namespace korvane::gui_test {
namespace {

using ui::MainWindowCommand;

class WindowPlacerTest : public ProgramTest {};

// An editor left where the totals fit on neither side of it comes back leaving
// them room: it does not open over them.
TEST_F(WindowPlacerTest, AnEditorComingIntoUseDoesNotOpenOverTheTotals) {
    ASSERT_TRUE(Start());
    Button(MainWindowCommand::Electronics)->click();
    QWidget& editor = program_.SectionEditors().ElectronicsEditor();
    // Once the window's first placing has settled.
    ASSERT_TRUE(WaitUntil([&editor] { return editor.findChildren<QTimer*>().isEmpty(); }));
    const QRect area = editor.screen()->availableGeometry();
    const int totals_width = Totals().frameGeometry().width();
    const int room = area.width() - editor.frameGeometry().width() - totals_width;
    ASSERT_GE(room, 0) << "the screen holds both";
    // Where either side has less room than the totals need.
    editor.move(area.left() + totals_width / 2 + room / 2, editor.y());
    editor.findChild<QPushButton*>(QStringLiteral("cancel"))->click();
    Button(MainWindowCommand::Electronics)->click();
    ASSERT_TRUE(editor.isVisible());
    EXPECT_FALSE(editor.frameGeometry().intersects(Totals().frameGeometry()))
        << editor.frameGeometry().left() << " and " << Totals().frameGeometry().left();
    EXPECT_TRUE(area.contains(editor.frameGeometry()));
    EXPECT_TRUE(area.contains(Totals().frameGeometry()));
}

}  // namespace
}  // namespace korvane::gui_test
