#include "ui/editors/hull_editor.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/status_summary.h"
#include "form_editor_test_support.h"

namespace korvane::ui {
namespace {

using ui_test::SameDesignFile;

class HullEditorTest : public ui_test::FormEditorFixture {
protected:
    void SetUp() override {
        FormEditorFixture::SetUp();
        editor_.Fill();
    }

    // Types a displacement and accepts it.
    void AcceptDisplacement(const std::string& tons) {
        editor_.Fill();
        editor_.displacement.text = tons;
        ASSERT_EQ(editor_.Accept(), EditorWindow::Closes);
    }

    HullEditor editor_{session_, document_, prompter_};
};

TEST_F(HullEditorTest, ShowsTheDesignInItsControls) {
    EXPECT_EQ(editor_.Title(), AppTitle());
    EXPECT_EQ(DisplayText(editor_.Frame().caption), "Hull & Basic Data");
    EXPECT_EQ(editor_.displacement.text, "100");
    ASSERT_EQ(editor_.configuration.Count(), 8);
    EXPECT_EQ(editor_.configuration.Text(*editor_.configuration.Selected()),
              "Flattened Sphere    ");
    EXPECT_EQ(editor_.streamlining.Text(*editor_.streamlining.Selected()), "Streamlined");
    ASSERT_EQ(editor_.armour_type.Count(), 5);
    EXPECT_EQ(editor_.armour_type.Text(*editor_.armour_type.Selected()),
              "Dense Alloy          (TL 12)");
    EXPECT_EQ(editor_.armour_value.Count(), 33);
    EXPECT_EQ(editor_.armour_value.Text(32), "Z");
    EXPECT_EQ(editor_.armour_value.Selected(), 0);
    EXPECT_TRUE(editor_.free_armour.checked);
    EXPECT_EQ(editor_.classification.Text(*editor_.classification.Selected()),
              "A Merchant            ");
    EXPECT_EQ(editor_.classification.ItemData(0), 10) << "the type letter decoded";
    EXPECT_EQ(editor_.tech_level.Count(), 13);
    EXPECT_EQ(editor_.tech_level.Text(*editor_.tech_level.Selected()), "F");
}

TEST_F(HullEditorTest, DisplacementSetsTheHullVolumeAndOneAirlockPerHundredTons) {
    AcceptDisplacement("200");
    EXPECT_EQ(design().Slots[Slot::Hull].KL, 2700);
    EXPECT_EQ(design().Environment[4].NUMBER, 2);
    EXPECT_EQ(design().HullKL(), 2700) << "recalculated";

    AcceptDisplacement("199");
    EXPECT_EQ(design().Slots[Slot::Hull].KL, 2686.5);
    EXPECT_EQ(design().Environment[4].NUMBER, 1);

    AcceptDisplacement("99 tons");
    EXPECT_EQ(design().Slots[Slot::Hull].KL, 1336.5);
    EXPECT_EQ(design().Environment[4].NUMBER, 0);

    AcceptDisplacement("0");
    EXPECT_EQ(design().Slots[Slot::Hull].KL, 0);
    EXPECT_EQ(design().DesignValid(), 0) << "a hull of no volume is reported, not computed";
}

// A slip of the keyboard is told, not stored as a hull of no volume.
TEST_F(HullEditorTest, ADisplacementThatIsNoNumberIsRefusedAndChangesNothing) {
    const Design before = design();
    editor_.displacement.text = "lots";
    EXPECT_EQ(editor_.Accept(), EditorWindow::StaysOpen);
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(prompter_.questions()[0].title, AppTitle());
    EXPECT_EQ(prompter_.questions()[0].text,
              "Displacement: \"lots\" is not a number; nothing is stored.");
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);
    EXPECT_EQ(editor_.displacement.text, "lots") << "the window keeps what was typed";
}

// A number beyond any hull reaches neither the design file nor the screen as
// infinity: the recalculation reports it and the design is unsound.
TEST_F(HullEditorTest, DisplacementsBeyondReasonAreReportedNotStored) {
    for (const char* tons : {"1e308", "-100"}) {
        AcceptDisplacement(tons);
        const std::string file = ui_test::DesignFileText(design());
        EXPECT_EQ(file.find("inf"), std::string::npos) << tons;
        EXPECT_EQ(file.find("nan"), std::string::npos) << tons;
        EXPECT_EQ(design().DesignValid(), 0) << tons;
        EXPECT_FALSE(design().Problems.empty()) << tons;
        EXPECT_GE(design().Environment[4].NUMBER, 0) << tons;
    }
}

TEST_F(HullEditorTest, DescriptionIsCutAtFiftyCharactersAndShownWithoutItsPadding) {
    const std::string sixty = "Imperial Scout Courier of the Far Frontier, Mark II Variant";
    editor_.description.text = sixty + "X";
    editor_.Accept();
    EXPECT_EQ(design().ShipName(), sixty.substr(0, 50));
    EXPECT_EQ(design().ShipName1().str(), "Imperial Scout Couri");

    editor_.description.text = "Kestrel";
    editor_.Accept();
    EXPECT_EQ(design().ShipName(), "Kestrel" + std::string(43, ' ')) << "stored padded";
    editor_.Fill();
    EXPECT_EQ(editor_.description.text, "Kestrel");
    editor_.description.text += " II";
    editor_.Accept();
    EXPECT_EQ(design().ShipName(), "Kestrel II" + std::string(40, ' '));
}

TEST_F(HullEditorTest, ANameLeftAsShownKeepsItsStoredBytes) {
    // A name set in its first part only: the other three parts were never set.
    design().ShipName1() = "Kestrel";
    const std::string stored = design().ShipName();
    ASSERT_EQ(stored.back(), '\0');
    editor_.Fill();
    EXPECT_EQ(editor_.description.text, "Kestrel") << "neither blanks nor NULs in the box";
    editor_.Accept();
    EXPECT_EQ(design().ShipName(), stored);
}

TEST_F(HullEditorTest, TechLevelRunsFromNineToTwentyOne) {
    editor_.tech_level.Select(0);
    editor_.Accept();
    EXPECT_EQ(design().DesignTL(), 9);
    editor_.tech_level.Select(editor_.tech_level.Count() - 1);
    editor_.Accept();
    EXPECT_EQ(design().DesignTL(), 21);
    editor_.Fill();
    EXPECT_EQ(editor_.tech_level.Text(*editor_.tech_level.Selected()), "M");
}

TEST_F(HullEditorTest, ConfigurationStreamliningAndClassificationAreStored) {
    editor_.configuration.Select(6);
    editor_.streamlining.Select(2);
    editor_.classification.Select(4);
    editor_.armour_value.Select(12);
    editor_.free_armour.checked = false;
    editor_.Accept();
    const auto& slots = design().Slots;
    EXPECT_EQ(slots[Slot::Configuration].LABEL.trimmed(), "Planetoid");
    EXPECT_EQ(slots[Slot::Configuration].USP.str(), "6");
    EXPECT_EQ(slots[Slot::Configuration].MISCNUM[6], 3) << "airframe";
    EXPECT_EQ(slots[Slot::ShipType].USP.str(), "S");
    EXPECT_EQ(slots[Slot::ShipType].LABEL.trimmed(), "Scout");
    EXPECT_EQ(slots[Slot::Armour].MISCSTR[2].trimmed(), "C");
    EXPECT_EQ(slots[Slot::Armour].MISCNUM[3], 0);

    editor_.Fill();
    EXPECT_EQ(editor_.configuration.Selected(), 6);
    EXPECT_EQ(editor_.streamlining.Selected(), 2);
    EXPECT_EQ(editor_.classification.Selected(), 4);
    EXPECT_EQ(editor_.armour_value.Selected(), 12);
}

TEST_F(HullEditorTest, ArmourTypeSetsOnlyItsOwnFieldsOfTheArmourSlot) {
    ComponentRecord& armour = design().Slots[Slot::Armour];
    armour.MISCSTR[5] = "kept";
    armour.MISCNUM[7] = 42;
    editor_.armour_type.Select(1);
    editor_.Accept();
    EXPECT_EQ(armour.MISCSTR[1].str(), "Laminate C");
    EXPECT_EQ(armour.MISCNUM[1], 1.4);
    EXPECT_EQ(armour.MISCNUM[2], 0.4);
    EXPECT_EQ(armour.TABLE.str(), "AT");
    EXPECT_EQ(armour.IDNUM, 2);
    EXPECT_EQ(armour.MISCSTR[5].trimmed(), "kept");
    EXPECT_EQ(armour.MISCNUM[7], 42);

    editor_.Fill();
    EXPECT_EQ(editor_.armour_type.Selected(), 1);
}

// An unselected list has nothing to look up: the configuration and armour
// stay as they are instead of turning blank, and the other fields keep theirs.
TEST_F(HullEditorTest, ListsWithoutASelectionKeepTheDesignsValues) {
    design().DesignTL() = 25;  // beyond the list
    Settle();
    editor_.Fill();
    EXPECT_FALSE(editor_.tech_level.Selected());
    const Design before = design();
    for (ListBox* list : {&editor_.configuration, &editor_.streamlining, &editor_.armour_type,
                          &editor_.armour_value, &editor_.classification}) {
        list->Select(std::nullopt);
    }
    editor_.Accept();
    EXPECT_EQ(design().DesignTL(), 25);
    EXPECT_EQ(design().Slots[Slot::Configuration].LABEL.trimmed(), "Flattened Sphere");
    EXPECT_EQ(design().Slots[Slot::Armour].MISCSTR[1].trimmed(), "Dense Allo");
    EXPECT_TRUE(SameDesignFile(design(), before));
}

// An Accept that changes nothing leaves the design saved and no step to undo.
TEST_F(HullEditorTest, AcceptWithoutChangesKeepsTheDesignAndItsMarkButSetsTheAirlocks) {
    const Design before = design();
    EXPECT_EQ(editor_.Accept(), EditorWindow::Closes);
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);
    EXPECT_FALSE(document_.UndoStep());

    design().Environment[4].NUMBER = 4;  // as a design file may hold it
    Settle();
    document_.Replaced();
    editor_.Fill();
    editor_.Accept();
    EXPECT_EQ(design().Environment[4].NUMBER, 1);
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_TRUE(design().DesignChanged);
    EXPECT_EQ(document_.UndoStep(), "Accept hull");
}

// The hull's own section alone would leave the drives sized for the old hull.
TEST_F(HullEditorTest, EveryOtherSectionFollowsTheNewHull) {
    design().Slots[Slot::JumpDrive].USP = "2";
    design().Slots[Slot::ManeuverDrive].USP = "3";
    Settle();
    const double drives_before =
        design().Slots[Slot::JumpFuel].KL + design().Slots[Slot::ManeuverDrive].KL;
    AcceptDisplacement("400");
    EXPECT_NE(design().Slots[Slot::JumpFuel].KL + design().Slots[Slot::ManeuverDrive].KL,
              drives_before);
    EXPECT_TRUE(Settled());
}

TEST_F(HullEditorTest, CancelWritesNothingAndTheNextOpeningShowsTheDesignAgain) {
    const Design before = design();
    editor_.displacement.text = "5000";
    editor_.tech_level.Select(0);
    EXPECT_EQ(editor_.Cancel(), EditorWindow::Closes);
    EXPECT_EQ(notices_.notices, 0);
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);
    editor_.Fill();
    EXPECT_EQ(editor_.displacement.text, "100");
    EXPECT_EQ(editor_.tech_level.Text(*editor_.tech_level.Selected()), "F");
}

TEST_F(HullEditorTest, QuestionMarkExplainsTheFreeArmourRule) {
    editor_.ExplainFreeArmour();
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(prompter_.questions()[0].title, AppTitle());
    EXPECT_EQ(prompter_.questions()[0].text,
              "As a default, the House Rule I employ skips adding mass and Cost for armour. This "
              "can be switched off here.");
}

}  // namespace
}  // namespace korvane::ui
