#include "gui/drives_editor_view.h"

#include <QCheckBox>
#include <QPushButton>

#include "editor_view_fixture.h"

namespace korvane::gui_test {
namespace {

using DrivesEditorViewTest = EditorViewTest<ui::DrivesEditor, gui::DrivesEditorView>;

TEST_F(DrivesEditorViewTest, OpensWithTheDesignsValues) {
    design().Slots[Slot::JumpDrive].USP = "2";
    design().Slots[Slot::DriveOptions].MISCNUM[4] = 15;
    view_->Open();
    ExpectTitleAndFrame(QStringLiteral("Drives"));
    EXPECT_EQ(ComboBox("jump_drive").currentText(), QStringLiteral("Jump-2"));
    EXPECT_EQ(ComboBox("purifiers").currentText(), QStringLiteral("No purifiers"));
    EXPECT_TRUE(Find<QCheckBox>("jump_overdrive").isChecked());
    EXPECT_EQ(TextBox("jump_overdrive_tonnage").text(), QStringLiteral("15"));
    EXPECT_EQ(Find<QCheckBox>("low_maintenance_jump").text(),
              QStringLiteral("&Low Maintainence Jump"));
}

TEST_F(DrivesEditorViewTest, EnterAcceptsAndEscapeCancels) {
    view_->Open();
    Choose("maneuver_drive", 4);
    Press("maneuver_drive", Qt::Key_Escape);
    EXPECT_EQ(design().Slots[Slot::ManeuverDrive].USP.first(), '\0');
    EXPECT_FALSE(view_->isVisible());

    view_->Open();
    Choose("maneuver_drive", 4);
    Choose("purifiers", 1);
    Type("hours_to_purify", QStringLiteral("0"));
    Find<QCheckBox>("scoops").setChecked(true);
    Press("hours_to_purify", Qt::Key_Enter);
    EXPECT_EQ(design().Slots[Slot::ManeuverDrive].USP.str(), "4");
    EXPECT_EQ(design().Slots[Slot::FuelScoops].NUMBER, 1);
    EXPECT_EQ(design().Slots[Slot::Purifiers].MISCNUM[10], 12);
    EXPECT_EQ(closed_, 2);
    EXPECT_EQ(notices_.notices, 1);
}

TEST_F(DrivesEditorViewTest, CheckShowsTheStoredValuesAndStaysOpen) {
    view_->Open();
    Choose("purifiers", 2);
    Type("hours_to_purify", QStringLiteral(""));
    Find<QPushButton>("check").click();
    EXPECT_TRUE(view_->isVisible());
    EXPECT_EQ(TextBox("hours_to_purify").text(), QStringLiteral("12"));
}

TEST_F(DrivesEditorViewTest, TabReachesEveryControlRowByRowAndAccessKeysAreDistinct) {
    view_->Open();
    EXPECT_TRUE(DistinctAccessKeys());
    EXPECT_EQ(TabChain("jump_drive"),
              "jump_drive maneuver_drive extra_jump_fuel purifiers hours_to_purify scoops "
              "low_maintenance_maneuver low_maintenance_jump high_performance_maneuver "
              "jump_overdrive jump_overdrive_tonnage maneuver_overdrive "
              "maneuver_overdrive_tonnage check accept cancel ");
}

}  // namespace
}  // namespace korvane::gui_test
