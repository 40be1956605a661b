#include "gui/control_editor_view.h"

#include <QCheckBox>
#include <QPushButton>

#include "editor_view_fixture.h"

namespace korvane::gui_test {
namespace {

using ControlEditorViewTest = EditorViewTest<ui::ControlEditor, gui::ControlEditorView>;

TEST_F(ControlEditorViewTest, OpensWithTheDesignsValuesAndEnterAccepts) {
    view_->Open();
    ExpectTitleAndFrame(QStringLiteral("Control && Computers"));
    EXPECT_EQ(ComboBox("main_computer").currentText(),
              QStringLiteral("1 Basic               (TL 7)"));
    EXPECT_EQ(ComboBox("backup_computer").currentText(), QStringLiteral("No computer"));
    EXPECT_EQ(ComboBox("control_panels").currentIndex(), 6);

    Choose("backup_computer", 2);
    Type("heads_up_displays", QStringLiteral("3"));
    Find<QCheckBox>("auxiliary_bridge").setChecked(true);
    Press("heads_up_displays", Qt::Key_Return);
    EXPECT_EQ(design().Slots[Slot::BackupComputer].NUMBER, 3);
    EXPECT_EQ(design().Slots[Slot::PanelAddOns].MISCNUM[1], 3);
    EXPECT_EQ(design().Slots[Slot::AuxiliaryBridge].NUMBER, 1);
    EXPECT_EQ(closed_, 1);
}

TEST_F(ControlEditorViewTest, EscapeCancelsAndCheckStaysOpen) {
    view_->Open();
    Choose("main_computer", 0);
    Press("main_computer", Qt::Key_Escape);
    EXPECT_EQ(design().Slots[Slot::MainComputer].LABEL.trimmed(), "1 Basic");

    view_->Open();
    Type("large_holodisplays", QStringLiteral("2 big ones"));
    Find<QPushButton>("check").click();
    EXPECT_TRUE(view_->isVisible());
    EXPECT_EQ(design().Slots[Slot::PanelAddOns].MISCNUM[2], 2);
    EXPECT_EQ(TextBox("large_holodisplays").text(), QStringLiteral("2"));
}

TEST_F(ControlEditorViewTest, TabReachesEveryControlRowByRowAndAccessKeysAreDistinct) {
    view_->Open();
    EXPECT_TRUE(DistinctAccessKeys());
    EXPECT_EQ(TabChain("main_computer"),
              "main_computer backup_computer control_panels heads_up_displays large_holodisplays "
              "head_up_holodisplays auxiliary_bridge check accept cancel ");
}

}  // namespace
}  // namespace korvane::gui_test
