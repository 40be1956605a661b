#include "ui/editors/screens_editor.h"

#include <gtest/gtest.h>

#include "engine/status_summary.h"
#include "ui/editors/weapons_section_test_support.h"

namespace korvane::ui_test {
namespace {

constexpr int kNuclearDamper = 0;
constexpr int kMesonScreen = 1;

class ScreensEditorTest : public ListEditorFixture {
protected:
    void SetUp() override {
        ComponentRecord meson = Row("SC", 2, "Meson Screen 3", 27, 10, 0.02, 5'000'000, 12);
        meson.MISCNUM[1] = 1;  // power per kl of hull
        OpenCatalog({Row("SC", 1, "Nuclear Damper 2", 13.5, 5, 2, 1'000'000, 10), meson});
        design().Slots[Slot::Hull].KL = 1350;
        editor_.Load();
        editor_.Activate();
        design().DesignChanged = false;
    }

    void Install(int row, int count) {
        prompter_.AnswerChoice(count);
        editor_.available.Select(row);
        editor_.InstallSelected();
    }

    ui::ScreensEditor editor_{session_, document_, prompter_};
};

TEST_F(ScreensEditorTest, AvailableRowsShowTheTechLevel) {
    ASSERT_EQ(editor_.available.Count(), 2);
    EXPECT_EQ(editor_.available.Text(kNuclearDamper), Padded("Nuclear Damper 2") + "  TL 10");
    EXPECT_EQ(editor_.available.Text(kMesonScreen), Padded("Meson Screen 3") + "  TL 12");
    EXPECT_EQ(editor_.frame.caption, "Screens");
}

TEST_F(ScreensEditorTest, InstallRecalculatesTheScreensOverTheWholeHull) {
    Install(kMesonScreen, 2);
    EXPECT_EQ(design().Screens[1].NUMBER, 2);
    EXPECT_DOUBLE_EQ(design().Slots[Slot::Screens].MW, 0.02 * 2 * 1350);
    EXPECT_EQ(design().Slots[Slot::Screens].KL, 54);
    EXPECT_TRUE(design().DesignChanged);
    ASSERT_EQ(editor_.installed.Count(), 1);
    EXPECT_EQ(editor_.installed.Text(0), Padded("Meson Screen 3") + " x2");
}

TEST_F(ScreensEditorTest, ASixthScreenGetsTheMaximumMessage) {
    for (int i = 0; i < kScreensMax; ++i) {
        Install(kNuclearDamper, 1);
    }
    ASSERT_EQ(editor_.installed.Count(), kScreensMax);
    const Design before = design();
    editor_.available.Select(kMesonScreen);
    editor_.InstallSelected();
    EXPECT_EQ(prompter_.questions().back().text,
              "You already have the maximum number of options selected.");
    EXPECT_TRUE(SameDesignFile(design(), before));
}

TEST_F(ScreensEditorTest, ChangeNumberAsksAboutScreens) {
    Install(kNuclearDamper, 1);
    prompter_.AnswerChoice(2).AnswerText("3");
    editor_.installed.Select(0);
    editor_.ModifySelected();
    EXPECT_EQ(prompter_.questions().at(1).title, "Modify Screens");
    EXPECT_EQ(design().Screens[1].NUMBER, 3);
    EXPECT_EQ(design().Slots[Slot::Screens].MW, 6);
}

TEST_F(ScreensEditorTest, OpeningAndClosingLeavesTheDesignFileAsItWas) {
    Install(kNuclearDamper, 2);
    MarkSaved(design());
    EXPECT_TRUE(ReopeningChangesNothing<ui::ScreensEditor>(
        session_, document_, prompter_, 0, "27.0 KL  10.0 Tons  4.0 Mw  Cr2,000,000.0"));
}

}  // namespace
}  // namespace korvane::ui_test
