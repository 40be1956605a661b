#include "ui/editors/drives_editor.h"

#include <gtest/gtest.h>

#include <string>

#include "form_editor_test_support.h"

namespace korvane::ui {
namespace {

using ui_test::SameDesignFile;

class DrivesEditorTest : public ui_test::FormEditorFixture {
protected:
    void SetUp() override {
        FormEditorFixture::SetUp();
        editor_.Fill();
    }

    ComponentRecord& purifier() { return design().Slots[Slot::Purifiers]; }

    DrivesEditor editor_{session_, document_, prompter_};
};

TEST_F(DrivesEditorTest, ListsTheRatingsAndThePurifiers) {
    EXPECT_EQ(DisplayText(editor_.Frame().caption), "Drives");
    ASSERT_EQ(editor_.jump_drive.Count(), 7);
    EXPECT_EQ(editor_.jump_drive.Text(6), "Jump-6");
    EXPECT_EQ(editor_.maneuver_drive.Text(6), "6g");
    EXPECT_EQ(editor_.extra_jump_fuel.Text(0), "Jump-0");
    ASSERT_EQ(editor_.purifiers.Count(), 4);
    EXPECT_EQ(editor_.purifiers.Text(0), "No purifiers");
    EXPECT_EQ(editor_.purifiers.Text(2), "Standard Purifier   ");
    EXPECT_EQ(editor_.purifiers.Selected(), 0);
    EXPECT_EQ(editor_.jump_drive.Selected(), 0);
}

TEST_F(DrivesEditorTest, JumpSixAndSixGAreStoredAsDigits) {
    editor_.jump_drive.Select(6);
    editor_.maneuver_drive.Select(6);
    editor_.extra_jump_fuel.Select(2);
    editor_.scoops.checked = true;
    EXPECT_EQ(editor_.Accept(), EditorWindow::Closes);
    EXPECT_EQ(design().Slots[Slot::JumpDrive].USP.str(), "6");
    EXPECT_EQ(design().Slots[Slot::ManeuverDrive].USP.str(), "6");
    EXPECT_EQ(design().Slots[Slot::JumpDrive].MISCNUM[1], 2);
    EXPECT_EQ(design().Slots[Slot::FuelScoops].NUMBER, 1);
    EXPECT_GT(design().Slots[Slot::JumpFuel].KL, 0) << "the jump drive is sized";

    editor_.Fill();
    EXPECT_EQ(editor_.jump_drive.Selected(), 6);
    EXPECT_EQ(editor_.maneuver_drive.Selected(), 6);
    EXPECT_EQ(editor_.extra_jump_fuel.Selected(), 2);
    EXPECT_TRUE(editor_.scoops.checked);
}

TEST_F(DrivesEditorTest, PurifierIsCopiedFromTheCatalogAndNoPurifiersTakesItOut) {
    editor_.purifiers.Select(2);
    editor_.hours_to_purify.text = "6";
    editor_.Accept();
    EXPECT_EQ(purifier().LABEL.trimmed(), "Standard Purifier");
    EXPECT_EQ(purifier().NUMBER, 1);
    EXPECT_EQ(purifier().MISCNUM[10], 6);

    editor_.Fill();
    EXPECT_EQ(editor_.purifiers.Selected(), 2);
    EXPECT_EQ(editor_.hours_to_purify.text, "6");
    editor_.purifiers.Select(0);
    editor_.Accept();
    EXPECT_EQ(purifier().NUMBER, 0);
    editor_.Fill();
    EXPECT_EQ(editor_.purifiers.Selected(), 0);
}

// No time to purify, or one below zero that would give the purifiers a
// negative size, is taken as the default 12 hours.
TEST_F(DrivesEditorTest, HoursToPurifyWithoutAPositiveNumberAreTwelve) {
    for (const char* typed : {"0", "", "-6"}) {
        editor_.Fill();
        editor_.purifiers.Select(1);
        editor_.hours_to_purify.text = typed;
        editor_.Accept();
        EXPECT_EQ(purifier().MISCNUM[10], 12) << typed;
        editor_.Fill();
        EXPECT_EQ(editor_.hours_to_purify.text, "12") << typed;
    }
}

TEST_F(DrivesEditorTest, OptionsAndOverdrivesAreStoredAndAZeroTonnageIsNoOverdrive) {
    editor_.low_maintenance_maneuver.checked = true;
    editor_.high_performance_maneuver.checked = true;
    editor_.jump_overdrive.checked = true;
    editor_.jump_overdrive_tonnage.text = "25";
    editor_.maneuver_overdrive.checked = true;
    editor_.maneuver_overdrive_tonnage.text = "0";
    editor_.Accept();
    const auto& options = design().Slots[Slot::DriveOptions].MISCNUM;
    EXPECT_EQ(options[1], 1);
    EXPECT_EQ(options[2], 0);
    EXPECT_EQ(options[3], 1);
    EXPECT_EQ(options[4], 25);
    EXPECT_EQ(options[5], 0);

    editor_.Fill();
    EXPECT_TRUE(editor_.jump_overdrive.checked);
    EXPECT_EQ(editor_.jump_overdrive_tonnage.text, "25");
    EXPECT_FALSE(editor_.maneuver_overdrive.checked);
    EXPECT_EQ(editor_.maneuver_overdrive_tonnage.text, "0");

    editor_.jump_overdrive.checked = false;  // the tonnage text stays, unused
    editor_.jump_overdrive_tonnage.text = "lots";
    EXPECT_EQ(editor_.Accept(), EditorWindow::Closes) << "an unused tonnage is not read";
    EXPECT_EQ(design().Slots[Slot::DriveOptions].MISCNUM[4], 0);
}

TEST_F(DrivesEditorTest, TypedTextsThatAreNoNumberAreRefusedAndChangeNothing) {
    const Design before = design();
    editor_.hours_to_purify.text = "soon";
    EXPECT_EQ(editor_.Accept(), EditorWindow::StaysOpen);
    editor_.hours_to_purify.text = "12";
    editor_.maneuver_overdrive.checked = true;
    editor_.maneuver_overdrive_tonnage.text = "x5";
    EXPECT_EQ(editor_.Accept(), EditorWindow::StaysOpen);
    ASSERT_EQ(prompter_.questions().size(), 2u);
    EXPECT_EQ(prompter_.questions()[0].text,
              "Hours to purify: \"soon\" is not a number; nothing is stored.");
    EXPECT_EQ(prompter_.questions()[1].text, "Tonnage: \"x5\" is not a number; nothing is stored.");
    EXPECT_TRUE(SameDesignFile(design(), before));
}

TEST_F(DrivesEditorTest, CheckStoresAndShowsTheStoredValues) {
    editor_.purifiers.Select(1);
    editor_.hours_to_purify.text = "0";
    editor_.maneuver_drive.Select(3);
    editor_.Check();
    EXPECT_EQ(design().Slots[Slot::ManeuverDrive].USP.str(), "3");
    EXPECT_EQ(editor_.hours_to_purify.text, "12");
    EXPECT_TRUE(design().DesignChanged);
}

TEST_F(DrivesEditorTest, ListsWithoutASelectionKeepTheDesignsValues) {
    design().Slots[Slot::JumpDrive].USP = "2";
    design().Slots[Slot::JumpDrive].MISCNUM[1] = 1;
    purifier() = catalog().LookupComponent("PU", 3);
    purifier().NUMBER = 1;
    Settle();
    editor_.Fill();
    for (ListBox* list : {&editor_.jump_drive, &editor_.maneuver_drive, &editor_.extra_jump_fuel,
                          &editor_.purifiers}) {
        list->Select(std::nullopt);
    }
    editor_.Accept();
    EXPECT_EQ(design().Slots[Slot::JumpDrive].USP.str(), "2");
    EXPECT_EQ(design().Slots[Slot::JumpDrive].MISCNUM[1], 1);
    EXPECT_EQ(purifier().LABEL.trimmed(), "Compact Purifier");
    EXPECT_EQ(purifier().NUMBER, 1);
}

TEST_F(DrivesEditorTest, AcceptWithoutChangesKeepsTheDesignFile) {
    design().Slots[Slot::JumpDrive].USP = "3";
    design().Slots[Slot::ManeuverDrive].USP = "2";
    purifier() = catalog().LookupComponent("PU", 1);
    purifier().NUMBER = 1;
    purifier().MISCNUM[10] = 8;
    design().Slots[Slot::DriveOptions].MISCNUM[5] = 10;
    Settle();
    editor_.Fill();
    const Design before = design();
    editor_.Accept();
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_TRUE(Settled());
}

}  // namespace
}  // namespace korvane::ui
