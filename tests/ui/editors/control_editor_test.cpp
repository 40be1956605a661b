#include "ui/editors/control_editor.h"

#include <gtest/gtest.h>

#include <string>

#include "form_editor_test_support.h"
#include "ui/editors/power_editor.h"

namespace korvane::ui {
namespace {

using ui_test::SameDesignFile;

class ControlEditorTest : public ui_test::FormEditorFixture {
protected:
    void SetUp() override {
        FormEditorFixture::SetUp();
        editor_.Fill();
    }

    ControlEditor editor_{session_, document_, prompter_};
};

TEST_F(ControlEditorTest, ListsComputersAndPanelsWithTheirTechLevels) {
    EXPECT_EQ(DisplayText(editor_.Frame().caption), "Control & Computers");
    ASSERT_EQ(editor_.main_computer.Count(), 12);
    EXPECT_EQ(editor_.main_computer.Text(0), "No computer");
    EXPECT_EQ(editor_.main_computer.Text(1), "1 Basic               (TL 7)");
    EXPECT_EQ(editor_.backup_computer.Count(), 12);
    ASSERT_EQ(editor_.control_panels.Count(), 8);
    EXPECT_EQ(editor_.control_panels.Text(0), "Mechanical Controls   (TL 4)");

    EXPECT_EQ(editor_.main_computer.Selected(), 1);
    EXPECT_EQ(editor_.backup_computer.Selected(), 0);
    EXPECT_EQ(editor_.control_panels.Selected(), 6) << "PN id 7";
    EXPECT_EQ(editor_.heads_up_displays.text, "0");
    EXPECT_FALSE(editor_.auxiliary_bridge.checked);
}

TEST_F(ControlEditorTest, AComputerIsInstalledAsATripleSet) {
    editor_.main_computer.Select(6);
    editor_.backup_computer.Select(2);
    EXPECT_EQ(editor_.Accept(), EditorWindow::Closes);
    const ComponentRecord row = catalog().LookupComponent("CO", 6);
    const ComponentRecord& main = design().Slots[Slot::MainComputer];
    EXPECT_EQ(main.LABEL, row.LABEL);
    EXPECT_EQ(main.NUMBER, 3);
    EXPECT_EQ(main.KL, 3 * row.KL);
    EXPECT_EQ(main.TONS, 3 * row.TONS);
    EXPECT_EQ(main.CR, 3 * row.CR);
    EXPECT_EQ(main.MW, 3 * row.MW);
    EXPECT_EQ(design().Slots[Slot::BackupComputer].KL, 3 * 2.5);

    // From the catalog row again, not from the stored, tripled entry.
    editor_.Fill();
    const Design before = design();
    editor_.Accept();
    EXPECT_EQ(design().Slots[Slot::MainComputer].KL, 3 * row.KL);
    EXPECT_TRUE(SameDesignFile(design(), before));
}

TEST_F(ControlEditorTest, PanelsDisplaysAndTheAuxiliaryBridgeAreStored) {
    editor_.control_panels.Select(2);
    editor_.heads_up_displays.text = "2";
    editor_.large_holodisplays.text = "1 large";
    editor_.head_up_holodisplays.text = "";
    editor_.auxiliary_bridge.checked = true;
    editor_.Accept();
    const auto& slots = design().Slots;
    EXPECT_EQ(slots[Slot::Panels].LABEL.trimmed(), "Electronic Panel");
    EXPECT_EQ(slots[Slot::PanelAddOns].MISCNUM[1], 2);
    EXPECT_EQ(slots[Slot::PanelAddOns].MISCNUM[2], 1);
    EXPECT_EQ(slots[Slot::PanelAddOns].MISCNUM[3], 0);
    EXPECT_EQ(slots[Slot::AuxiliaryBridge].NUMBER, 1);
    EXPECT_TRUE(Settled()) << "the control total includes the new panels at once";

    editor_.Fill();
    EXPECT_EQ(editor_.control_panels.Selected(), 2);
    EXPECT_EQ(editor_.large_holodisplays.text, "1");
    EXPECT_TRUE(editor_.auxiliary_bridge.checked);
}

TEST_F(ControlEditorTest, NoBackupComputerRulesOutItsEnduranceExclusion) {
    editor_.backup_computer.Select(3);
    editor_.Accept();
    PowerEditor power{session_, document_, prompter_};
    power.Fill();
    EXPECT_TRUE(power.exclusions[PowerEditor::kBackupComputer].enabled);

    editor_.Fill();
    editor_.backup_computer.Select(0);
    editor_.Accept();
    EXPECT_EQ(design().Slots[Slot::BackupComputer], BlankRecord);
    power.Fill();
    EXPECT_FALSE(power.exclusions[PowerEditor::kBackupComputer].enabled);
}

TEST_F(ControlEditorTest, CheckStoresWithoutClosingAndListsWithoutASelectionKeepTheirSlots) {
    editor_.heads_up_displays.text = "4 units";
    editor_.main_computer.Select(std::nullopt);
    editor_.control_panels.Select(std::nullopt);
    editor_.Check();
    EXPECT_EQ(design().Slots[Slot::PanelAddOns].MISCNUM[1], 4);
    EXPECT_EQ(editor_.heads_up_displays.text, "4");
    EXPECT_EQ(design().Slots[Slot::MainComputer].LABEL.trimmed(), "1 Basic");
    EXPECT_EQ(design().Slots[Slot::MainComputer].NUMBER, 3);
    EXPECT_EQ(design().Slots[Slot::Panels].LABEL.trimmed(), "Holographic Linked");
    EXPECT_EQ(editor_.main_computer.Selected(), 1) << "filled again from the design";
}

}  // namespace
}  // namespace korvane::ui
