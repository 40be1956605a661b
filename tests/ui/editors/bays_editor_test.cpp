#include "ui/editors/bays_editor.h"

#include <gtest/gtest.h>

#include "engine/status_summary.h"
#include "ui/editors/weapons_section_test_support.h"

namespace korvane::ui_test {
namespace {

// A BY row whose factor digits for tech levels 8–27 are `factors`, with
// `hardpoints` per bay and `number` the count taken when none is given.
ComponentRecord BayRow(int id, std::string_view label, std::string_view factors, double number) {
    ComponentRecord row = Row("BY", id, label, 675, 100, 10, 30'000'000);
    row.NUMBER = number;
    row.MISCNUM[1] = 1;
    row.MISCSTR[1] = factors.substr(0, 10);
    row.MISCSTR[2] = factors.substr(10);
    return row;
}

constexpr int kMissileBay = 0;
constexpr int kMesonBay = 1;

class BaysEditorTest : public ListEditorFixture {
protected:
    void SetUp() override {
        // At tech level 12 a bay takes the fifth digit.
        OpenCatalog({BayRow(1, "50-ton Missile Bay", "11223456789ABCDEFGHJ", 2),
                     BayRow(2, "100-ton Meson Bay", "0000789ABCDEFGHJKLMN", 0)});
        editor_.Load();
        editor_.Activate();
        design().DesignChanged = false;
    }

    void InstallTyped(int row, std::optional<std::string> typed) {
        prompter_.AnswerChoice(10).AnswerText(std::move(typed));
        editor_.available.Select(row);
        editor_.InstallSelected();
    }

    ui::BaysEditor editor_{session_, document_, prompter_};
};

TEST_F(BaysEditorTest, InstallShowsTheFactor) {
    ASSERT_EQ(editor_.available.Count(), 2);
    EXPECT_EQ(editor_.available.Text(kMesonBay), Padded("100-ton Meson Bay"));
    EXPECT_EQ(editor_.frame.caption, "Bay Weapons");

    prompter_.AnswerChoice(3);
    editor_.available.Select(kMissileBay);
    editor_.InstallSelected();
    EXPECT_EQ(prompter_.questions().at(0).title, "Install how many?");
    EXPECT_EQ(prompter_.questions().at(0).options.back(), "Enter");
    const ComponentRecord& bay = design().Bays[1];
    EXPECT_EQ(bay.NUMBER, 3);
    EXPECT_EQ(bay.USP, "3");
    EXPECT_EQ(design().Slots[Slot::Magazine].NUMBER, 150) << "missiles of three 50-ton bays";
    EXPECT_EQ(design().UsedHardpoints(), 3);
    EXPECT_TRUE(design().DesignChanged);
    ASSERT_EQ(editor_.installed.Count(), 1);
    EXPECT_EQ(editor_.installed.Text(0), Padded("50-ton Missile Bay") + " x3  (Factor-3)");
}

TEST_F(BaysEditorTest, AnEmptyCountTakesTheCatalogNumber) {
    InstallTyped(kMissileBay, "");
    EXPECT_EQ(design().Bays[1].NUMBER, 2);
    EXPECT_EQ(editor_.installed.Text(0), Padded("50-ton Missile Bay") + " x2  (Factor-3)");
}

TEST_F(BaysEditorTest, ARowWithoutACatalogNumberNeedsACount) {
    const Design before = design();
    InstallTyped(kMesonBay, "none");
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);

    InstallTyped(kMesonBay, "1");
    EXPECT_EQ(editor_.installed.Text(0), Padded("100-ton Meson Bay") + " x1  (Factor-7)");
}

TEST_F(BaysEditorTest, ModifyAsksAboutBaysAndRemoves) {
    InstallTyped(kMissileBay, "4");
    prompter_.AnswerChoice(1);
    editor_.installed.Select(0);
    editor_.ModifySelected();
    EXPECT_EQ(prompter_.questions().back().title, "Modify Bays");
    EXPECT_EQ(design().Bays[1], BlankRecord);
    EXPECT_EQ(design().Slots[Slot::Magazine].NUMBER, 0);
    EXPECT_EQ(editor_.installed.Count(), 0);
}

TEST_F(BaysEditorTest, OpeningAndClosingLeavesTheDesignFileAsItWas) {
    InstallTyped(kMissileBay, "2");
    InstallTyped(kMesonBay, "1");
    MarkSaved(design());
    EXPECT_TRUE(ReopeningChangesNothing<ui::BaysEditor>(
        session_, document_, prompter_, 1, "675.0 KL  100.0 Tons  10.0 Mw  Cr30,000,000.0"));
}

}  // namespace
}  // namespace korvane::ui_test
