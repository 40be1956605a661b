#include "ui/editors/weapons_editor.h"

#include <gtest/gtest.h>

#include "engine/recalculate.h"
#include "ui/editors/weapons_section_test_support.h"

namespace korvane::ui_test {
namespace {

using testing::QuestionKind;
using ui::EditorWindow;

constexpr std::size_t kMissile = 2;
constexpr std::size_t kMeson = 7;

ComponentRecord SpinalRow(int id, std::string_view label, std::string_view factor) {
    ComponentRecord row = Row("SP", id, label, 1350, 500, 100, 250'000'000, 13);
    row.USP = factor;
    row.MISCNUM[1] = 5;  // hardpoints
    return row;
}

class WeaponsEditorTest : public ListEditorFixture {
protected:
    void SetUp() override {
        OpenCatalog({SpinalRow(1, "Meson Spinal", "K"), SpinalRow(2, "Particle Spinal", "G")});
        design().Slots[Slot::Hull].KL = 13'500;
        // Twelve single missile racks: 12 missiles a battery round.
        ComponentRecord racks = Row("TR", 1, "Missile Rack");
        racks.NUMBER = 12;
        racks.MISCSTR[2] = "4";
        racks.MISCNUM[1] = 1;
        racks.MISCNUM[2] = 9999;
        design().Turrets[1] = racks;
        Recalculate(design(), session_.catalog->Features());
        design().DesignChanged = false;
    }

    ui::WeaponsEditor editor_{session_, document_, prompter_};
};

TEST_F(WeaponsEditorTest, FillListsTheSpinalMountsAndShowsTheDesign) {
    design().Slots[Slot::SpinalMount] = SpinalRow(2, "Particle Spinal", "G");
    design().Slots[Slot::Magazine].MISCNUM[1] = 10;
    design().Slots[Slot::Magazine].MISCNUM[3] = 2.5;
    editor_.Fill();
    ASSERT_EQ(editor_.spinal_mount.Count(), 3);
    EXPECT_EQ(editor_.spinal_mount.Text(0), "No spinal mount weapon");
    EXPECT_EQ(editor_.spinal_mount.Text(1),
              Padded("Meson Spinal") + "    1350Kl    500 tons    100 Mw    Mcr250  TL 13");
    EXPECT_EQ(editor_.spinal_mount.Selected(), 2);
    EXPECT_EQ(editor_.he_rounds.text, "10");
    EXPECT_EQ(editor_.atomic_rounds.text, "0");
    EXPECT_EQ(editor_.antimatter_rounds.text, "2.5");
    EXPECT_EQ(editor_.Frame().caption, "Weapon Systems");
    EXPECT_EQ(editor_.Title(), AppTitle());
    EXPECT_EQ(editor_.accept.caption, "&Done");
    EXPECT_FALSE(editor_.cancel.visible);
}

TEST_F(WeaponsEditorTest, DoneStoresTheSpinalMountAndRecalculates) {
    editor_.Fill();
    editor_.spinal_mount.Select(1);
    EXPECT_EQ(editor_.Accept(), EditorWindow::Closes);
    const ComponentRecord& spinal = design().Slots[Slot::SpinalMount];
    EXPECT_EQ(spinal.LABEL, Padded("Meson Spinal"));
    EXPECT_EQ(spinal.NUMBER, 1);
    EXPECT_TRUE(design().DesignChanged);
    EXPECT_EQ(notices_.notices, 1);
    EXPECT_EQ(design().UsedHardpoints(), 12 + 5);
    EXPECT_EQ(design().WeaponFactors[kMeson][3], 19) << "K is factor 19";
}

TEST_F(WeaponsEditorTest, NoSpinalMountEmptiesTheSlotAndIsSelectedOnReopening) {
    design().Slots[Slot::SpinalMount] = SpinalRow(1, "Meson Spinal", "K");
    editor_.Fill();
    editor_.spinal_mount.Select(0);
    editor_.Accept();
    EXPECT_EQ(design().Slots[Slot::SpinalMount], BlankRecord);
    editor_.spinal_mount.Select(1);
    editor_.Fill();
    EXPECT_EQ(editor_.spinal_mount.Selected(), 0);
}

TEST_F(WeaponsEditorTest, ASpinalMountTheCatalogLacksIsKeptWhenNothingIsSelected) {
    ComponentRecord old = SpinalRow(9, "Old Spinal", "3");
    old.NUMBER = 1;
    design().Slots[Slot::SpinalMount] = old;
    editor_.Fill();
    EXPECT_FALSE(editor_.spinal_mount.Selected());
    editor_.Accept();
    EXPECT_EQ(design().Slots[Slot::SpinalMount].LABEL, Padded("Old Spinal"));
}

TEST_F(WeaponsEditorTest, MagazineTotalIsTheRoundsTimesTheMissilesOfARound) {
    editor_.Fill();
    EXPECT_EQ(design().Slots[Slot::Magazine].NUMBER, 12);
    editor_.he_rounds.text = "10";
    editor_.RoundsChanged();
    EXPECT_EQ(editor_.magazine_total.caption, "Total: 120 missiles");
    editor_.atomic_rounds.text = "990 rounds";
    editor_.antimatter_rounds.text = "many";
    editor_.RoundsChanged();
    EXPECT_EQ(editor_.magazine_total.caption, "Total: 12,000 missiles");
    EXPECT_FALSE(design().DesignChanged) << "typing stores nothing before Done";
}

TEST_F(WeaponsEditorTest, DoneStoresTheRoundsAndSizesTheMagazine) {
    editor_.Fill();
    editor_.he_rounds.text = "10";
    editor_.atomic_rounds.text = "";
    editor_.antimatter_rounds.text = "1";
    editor_.Accept();
    const ComponentRecord& magazine = design().Slots[Slot::Magazine];
    EXPECT_EQ(magazine.MISCNUM[1], 10);
    EXPECT_EQ(magazine.MISCNUM[2], 0) << "an empty box reads 0";
    EXPECT_EQ(magazine.MISCNUM[3], 1);
    EXPECT_DOUBLE_EQ(magazine.KL, 12 * 11 * 0.1);
    EXPECT_DOUBLE_EQ(magazine.CR, 12 * (10 * 20'000 + 200'000));
}

TEST_F(WeaponsEditorTest, NegativeRoundsAreRefusedAndNothingIsStored) {
    editor_.Fill();
    editor_.spinal_mount.Select(1);
    editor_.atomic_rounds.text = "-5";
    const Design before = design();
    EXPECT_EQ(editor_.Accept(), EditorWindow::StaysOpen);
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(prompter_.questions()[0].kind, QuestionKind::Message);
    EXPECT_EQ(prompter_.questions()[0].title, AppTitle());
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);
    EXPECT_EQ(notices_.notices, 0);
    EXPECT_EQ(editor_.atomic_rounds.text, "-5") << "the window keeps what was typed";
}

TEST_F(WeaponsEditorTest, CheckStoresStaysOpenAndShowsTheNewFactors) {
    editor_.Fill();
    EXPECT_EQ(editor_.factors.names.caption, "Missile");
    EXPECT_EQ(editor_.factors.turrets.caption, "1/4");
    editor_.spinal_mount.Select(1);
    editor_.he_rounds.text = "2";
    editor_.Check();
    EXPECT_EQ(design().Slots[Slot::SpinalMount].LABEL, Padded("Meson Spinal"));
    EXPECT_EQ(editor_.factors.names.caption, "Missile\nMeson");
    EXPECT_EQ(editor_.factors.spinal.caption, "0/0\nK/1");
    EXPECT_EQ(editor_.magazine_total.caption, "Total: 24 missiles");
    EXPECT_EQ(editor_.spinal_mount.Selected(), 1) << "filled again from the design";
}

TEST_F(WeaponsEditorTest, ActivateShowsWhatAListEditorChanged) {
    editor_.Fill();
    design().Turrets[1].NUMBER = 24;  // as the turrets editor leaves it
    Recalculate(design(), session_.catalog->Features());
    editor_.he_rounds.text = "1";
    editor_.Activate();
    EXPECT_EQ(editor_.factors.turrets.caption, "1/4");
    EXPECT_EQ(design().WeaponCounts[kMissile][1], 4);
    EXPECT_EQ(editor_.magazine_total.caption, "Total: 24 missiles");
}

TEST_F(WeaponsEditorTest, DoneWithoutChangesLeavesTheDesignFileAsItWas) {
    design().Slots[Slot::SpinalMount] = session_.catalog->Features().LookupComponent("SP", 2);
    design().Slots[Slot::SpinalMount].NUMBER = 1;
    design().Slots[Slot::Magazine].MISCNUM[1] = 7;
    design().Slots[Slot::Magazine].MISCNUM[2] = 0.25;
    Recalculate(design(), session_.catalog->Features());
    const Design before = design();
    editor_.Fill();
    EXPECT_EQ(editor_.Accept(), EditorWindow::Closes);
    EXPECT_TRUE(SameDesignFile(design(), before));
}

}  // namespace
}  // namespace korvane::ui_test
