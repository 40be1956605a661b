#include "gui/power_editor_view.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "editor_view_fixture.h"

namespace korvane::gui_test {
namespace {

using PowerEditorViewTest = EditorViewTest<ui::PowerEditor, gui::PowerEditorView>;

TEST_F(PowerEditorViewTest, OpensWithTheDesignsValuesAndFollowsTheTypedHours) {
    view_->Open();
    ExpectTitleAndFrame(QStringLiteral("Power"));
    EXPECT_EQ(TextBox("endurance_hours").text(), QStringLiteral("720"));
    EXPECT_EQ(Find<QLabel>("endurance_days").text(), QStringLiteral("30 days, 4 weeks"));
    EXPECT_EQ(ComboBox("cruise_g").currentText(), QStringLiteral("0"));
    EXPECT_FALSE(Find<QCheckBox>("exclusion_5").isEnabled()) << "no backup computer";
    EXPECT_EQ(Find<QCheckBox>("exclusion_4").text(), QStringLiteral("&Weapons && Screens"));

    Type("endurance_hours", QStringLiteral("1440"));
    EXPECT_EQ(Find<QLabel>("endurance_days").text(), QStringLiteral("60 days, 8 weeks"));
}

TEST_F(PowerEditorViewTest, EnterAcceptsAndEscapeCancels) {
    view_->Open();
    Type("plant_size", QStringLiteral("12"));
    Choose("plant", 6);
    Press("plant_size", Qt::Key_Escape);
    EXPECT_EQ(design().Slots[Slot::PowerPlant].KL, 0);
    EXPECT_EQ(closed_, 1);

    view_->Open();
    EXPECT_EQ(TextBox("plant_size").text(), QStringLiteral("0"));
    Type("plant_size", QStringLiteral("12"));
    Choose("plant", 6);
    Press("plant", Qt::Key_Return);
    EXPECT_EQ(design().Slots[Slot::PowerPlant].KL, 12);
    EXPECT_EQ(design().Slots[Slot::PowerPlant].LABEL.trimmed(), "Fusion Plant");
    EXPECT_FALSE(view_->isVisible());
    EXPECT_EQ(closed_, 2);
}

TEST_F(PowerEditorViewTest, ARefusedCruiseKeepsTheWindowOpenWithWhatWasTyped) {
    view_->Open();
    Find<QCheckBox>("exclusion_0").setChecked(true);
    Choose("cruise_g", 1);  // no maneuver drive is installed
    Type("plant_size", QStringLiteral("44"));
    Find<QPushButton>("accept").click();
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_TRUE(view_->isVisible());
    EXPECT_EQ(TextBox("plant_size").text(), QStringLiteral("44"));
    EXPECT_EQ(design().Slots[Slot::PowerPlant].KL, 0);
    EXPECT_EQ(closed_, 0);
}

TEST_F(PowerEditorViewTest, CheckStoresAndStaysOpenAndDefaultsResetTheExclusions) {
    view_->Open();
    Find<QCheckBox>("exclusion_1").setChecked(true);
    Find<QPushButton>("defaults").click();
    EXPECT_FALSE(Find<QCheckBox>("exclusion_1").isChecked());
    EXPECT_TRUE(Find<QCheckBox>("exclusion_3").isChecked());
    EXPECT_TRUE(Find<QCheckBox>("exclusion_4").isChecked());

    Type("endurance_hours", QStringLiteral("2000"));
    Find<QPushButton>("check").click();
    EXPECT_TRUE(view_->isVisible());
    EXPECT_EQ(design().Slots[Slot::PlantFuel].NUMBER, 2000);
    EXPECT_EQ(design().Slots[Slot::PlantFuel].MISCSTR[2].str().substr(0, 9), "000110000");
    EXPECT_EQ(notices_.notices, 1);
    EXPECT_EQ(closed_, 0);
}

TEST_F(PowerEditorViewTest, TabReachesEveryControlRowByRowAndAccessKeysAreDistinct) {
    view_->Open();
    EXPECT_TRUE(DistinctAccessKeys());
    EXPECT_EQ(TabChain("plant"),
              "plant plant_size use_suggested endurance_hours cruise_g exclusion_0 exclusion_1 "
              "exclusion_2 "
              "exclusion_3 exclusion_4 exclusion_5 exclusion_6 exclusion_7 exclusion_8 check "
              "defaults help accept cancel ");
}

}  // namespace
}  // namespace korvane::gui_test
