#include "ui/editors/power_editor.h"

#include <gtest/gtest.h>

#include <string>

#include "form_editor_test_support.h"
#include "model/number_format.h"
#include "model/text_helpers.h"
#include "ui/editors/form_fields.h"

namespace korvane::ui {
namespace {

using ui_test::SameDesignFile;

class PowerEditorTest : public ui_test::FormEditorFixture {
protected:
    void SetUp() override {
        FormEditorFixture::SetUp();
        design().Slots[Slot::PowerPlant] = catalog().LookupComponent("PP", 7);
        design().Slots[Slot::PowerPlant].KL = 20;
        design().Slots[Slot::ManeuverDrive].USP = "2";
        Settle();
        editor_.Fill();
    }

    std::string ExclusionString() { return design().Slots[Slot::PlantFuel].MISCSTR[2].str(); }

    PowerEditor editor_{session_, document_, prompter_};
};

TEST_F(PowerEditorTest, ShowsThePlantTheEnduranceAndItsDaysAndWeeks) {
    EXPECT_EQ(DisplayText(editor_.Frame().caption), "Power");
    EXPECT_EQ(editor_.plant.Text(*editor_.plant.Selected()), "Fusion Plant        ");
    EXPECT_EQ(editor_.plant_size.text, "20");
    EXPECT_EQ(editor_.endurance_hours.text, "720");
    EXPECT_EQ(editor_.endurance_days.caption, "30 days, 4 weeks");
    EXPECT_EQ(editor_.cruise_g.Count(), 7);
    EXPECT_EQ(editor_.cruise_g.Selected(), 0);

    editor_.endurance_hours.text = "100";
    editor_.EnduranceChanged();
    EXPECT_EQ(editor_.endurance_days.caption, "4 days, 0 weeks");
    editor_.endurance_hours.text = "none";
    editor_.EnduranceChanged();
    EXPECT_EQ(editor_.endurance_days.caption, "0 days, 0 weeks");
}

// The box keeps the plants' names; their figures show under it and as each item's tooltip.
TEST_F(PowerEditorTest, EachPlantShowsItsOutputCostPerKlAndTechLevel) {
    const struct {
        int row;
        const char* name;
        const char* details;
    } cases[] = {
        {6, "Fusion Plant        ", "1.5 Mw per kl  Cr80,000.0 per kl  TL 12"},
        {0, "Hydrocarbon Turbine ", "0.2 Mw per kl  Cr2,000.0 per kl  TL 5"},
        {9, "Antimatter Reactor  ", "15.0 Mw per kl  Cr300,000.0 per kl  TL 20"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(editor_.plant.Text(c.row), c.name);
        EXPECT_EQ(editor_.plant.ToolTip(c.row), c.details);
        editor_.plant.Select(c.row);
        editor_.PlantChosen();
        EXPECT_EQ(editor_.plant_details.caption, c.details);
    }
    editor_.Fill();
    EXPECT_EQ(editor_.plant_details.caption, cases[0].details) << "the stored plant's, on opening";
}

TEST_F(PowerEditorTest, SuggestsASizeForTheChosenPlant) {
    ASSERT_GT(design().UsedMW(), 0);
    const auto suggestion_for = [this](int row) {
        const double mw_per_kl = catalog().LookupComponent("PP", row + 1).MISCNUM[3];
        return design().UsedMW() / (3 * mw_per_kl);
    };
    const int stored = *editor_.plant.Selected();
    EXPECT_EQ(editor_.suggested_size.caption, FormatPattern(suggestion_for(stored), "##,###,###.#"))
        << "shown as the window opens, before any Check";
    for (const int row : {0, 8}) {
        SCOPED_TRACE("plant row " + std::to_string(row));
        editor_.plant.Select(row);
        editor_.PlantChosen();
        EXPECT_EQ(editor_.suggested_size.caption,
                  FormatPattern(suggestion_for(row), "##,###,###.#"));
    }
}

// The plant's own size changes the power the design uses: the size used is
// the smallest at which the design, recalculated with it, has its power.
TEST_F(PowerEditorTest, UseSuggestedGivesTheSmallestSizeThatLeavesNoShortfall) {
    for (const int row : {0, 2, 6, 8}) {
        SCOPED_TRACE("plant row " + std::to_string(row));
        editor_.plant.Select(row);
        editor_.PlantChosen();
        editor_.endurance_hours.text = "2000";
        const Design before = design();
        editor_.UseSuggestedSize();
        const std::string size = editor_.plant_size.text;
        EXPECT_EQ(size.find(','), std::string::npos);
        EXPECT_TRUE(SameDesignFile(design(), before)) << "nothing stored before Check";
        editor_.UseSuggestedSize();
        EXPECT_EQ(editor_.plant_size.text, size) << "pressed again, it keeps its size";

        editor_.Check();
        EXPECT_EQ(design().Slots[Slot::PowerPlant].IDNUM, row + 1);
        EXPECT_EQ(NumberText(design().Slots[Slot::PowerPlant].KL), size);
        EXPECT_GE(design().AvailableMW(), design().UsedMW());

        editor_.plant_size.text = NumberText(LeadingNumber(size) - 0.1);
        editor_.Check();
        EXPECT_LT(design().AvailableMW(), design().UsedMW()) << "a tenth less is short";
    }
    EXPECT_TRUE(prompter_.questions().empty());
}

TEST_F(PowerEditorTest, AcceptStoresThePlantSizeEnduranceCruiseAndExclusions) {
    editor_.plant.Select(8);
    editor_.plant_size.text = "35.5 kl";
    editor_.endurance_hours.text = "1440";
    editor_.cruise_g.Select(1);
    editor_.exclusions[PowerEditor::kManeuver].checked = true;
    editor_.exclusions[PowerEditor::kSensors].checked = true;
    EXPECT_EQ(editor_.Accept(), EditorWindow::Closes);

    const auto& slots = design().Slots;
    EXPECT_EQ(slots[Slot::PowerPlant].LABEL.trimmed(), "Compact Fusion Plant");
    EXPECT_EQ(slots[Slot::PowerPlant].IDNUM, 9);
    EXPECT_EQ(slots[Slot::PowerPlant].KL, 35.5);
    EXPECT_EQ(slots[Slot::PlantFuel].NUMBER, 1440);
    EXPECT_EQ(slots[Slot::PlantFuel].MISCNUM[2], 1);
    EXPECT_EQ(slots[Slot::PlantFuel].MISCSTR[1].trimmed(), "1");
    EXPECT_EQ(ExclusionString().substr(0, 9), "110000000");
    EXPECT_TRUE(design().DesignChanged);
    EXPECT_GT(slots[Slot::PlantFuel].MISCNUM[1], 0) << "the extended endurance is recalculated";
}

// The check comes before anything is written: "Cancel" after a refusal must
// find the design as it was.
TEST_F(PowerEditorTest, CruiseAtOrAboveTheInstalledDriveIsRefusedAndChangesNothing) {
    const Design before = design();
    editor_.plant.Select(0);
    editor_.plant_size.text = "500";
    editor_.endurance_hours.text = "9";
    editor_.exclusions[PowerEditor::kManeuver].checked = true;
    editor_.cruise_g.Select(2);
    EXPECT_EQ(editor_.Accept(), EditorWindow::StaysOpen);
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(prompter_.questions()[0].text,
              "Maneuver cruise G rating cannot exceed installed drives!");
    EXPECT_EQ(prompter_.questions()[0].title, AppTitle());
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);
    EXPECT_EQ(notices_.notices, 0);

    editor_.cruise_g.Select(1);
    EXPECT_EQ(editor_.Accept(), EditorWindow::Closes);
    EXPECT_EQ(notices_.notices, 1) << "the totals window and the title follow";
    EXPECT_EQ(design().Slots[Slot::PlantFuel].MISCNUM[2], 1);
    EXPECT_EQ(design().Slots[Slot::PowerPlant].KL, 500);
}

TEST_F(PowerEditorTest, AnyCruiseIsAcceptedWhileManeuverIsNotLeftOut) {
    editor_.exclusions[PowerEditor::kManeuver].checked = false;
    editor_.cruise_g.Select(6);
    EXPECT_EQ(editor_.Accept(), EditorWindow::Closes);
    EXPECT_EQ(design().Slots[Slot::PlantFuel].MISCNUM[2], 6);
    EXPECT_TRUE(prompter_.questions().empty());
}

TEST_F(PowerEditorTest, CheckStoresAndRefillsButARefusalKeepsWhatWasTyped) {
    editor_.endurance_hours.text = "2000";
    editor_.check.enabled = true;
    editor_.Check();
    EXPECT_EQ(design().Slots[Slot::PlantFuel].NUMBER, 2000);
    EXPECT_EQ(editor_.extended_hours.caption,
              std::to_string(static_cast<long long>(design().Slots[Slot::PlantFuel].MISCNUM[1])));
    EXPECT_NE(editor_.extended_days.caption, "0 days, 0 weeks");

    editor_.endurance_hours.text = "3000";
    editor_.exclusions[PowerEditor::kManeuver].checked = true;
    editor_.cruise_g.Select(5);
    editor_.Check();
    EXPECT_EQ(design().Slots[Slot::PlantFuel].NUMBER, 2000);
    EXPECT_EQ(editor_.endurance_hours.text, "3000");
    EXPECT_EQ(editor_.cruise_g.Selected(), 5);
}

TEST_F(PowerEditorTest, SystemsTheDesignLacksCannotBeLeftOut) {
    design().Slots[Slot::PlantFuel].MISCSTR[2] = "1111111110";
    Settle();
    editor_.Fill();
    for (const auto exclusion :
         {PowerEditor::kBackupComputer, PowerEditor::kAuxBridge, PowerEditor::kAccommodation}) {
        EXPECT_FALSE(editor_.exclusions[exclusion].checked) << exclusion;
        EXPECT_FALSE(editor_.exclusions[exclusion].enabled) << exclusion;
    }
    EXPECT_TRUE(editor_.exclusions[PowerEditor::kCustomFeatures].checked);
    editor_.exclusions[PowerEditor::kManeuver].checked = false;
    editor_.Accept();
    EXPECT_EQ(ExclusionString(), "0111100010");

    design().Slots[Slot::BackupComputer] = catalog().LookupComponent("CO", 2);
    design().Slots[Slot::BackupComputer].NUMBER = 3;
    design().Slots[Slot::AuxiliaryBridge].NUMBER = 1;
    design().Accommodations[3] = catalog().LookupComponent("AC", 5);
    design().Accommodations[3].NUMBER = 4;
    Settle();
    editor_.Fill();
    for (const auto exclusion :
         {PowerEditor::kBackupComputer, PowerEditor::kAuxBridge, PowerEditor::kAccommodation}) {
        EXPECT_TRUE(editor_.exclusions[exclusion].enabled) << exclusion;
    }
}

TEST_F(PowerEditorTest, DefaultsThenCancelLeavesTheExclusionsAsStored) {
    design().Slots[Slot::PlantFuel].MISCSTR[2] = "1100000000";
    editor_.Fill();
    editor_.Defaults();
    EXPECT_FALSE(editor_.exclusions[PowerEditor::kManeuver].checked);
    EXPECT_TRUE(editor_.exclusions[PowerEditor::kEmMask].checked);
    EXPECT_TRUE(editor_.exclusions[PowerEditor::kWeaponsAndScreens].checked);
    EXPECT_EQ(editor_.Cancel(), EditorWindow::Closes);
    EXPECT_EQ(ExclusionString(), "1100000000");

    editor_.Fill();
    editor_.Defaults();
    editor_.Accept();
    EXPECT_EQ(ExclusionString(), "0001100000");
}

TEST_F(PowerEditorTest, AcceptWithoutChangesKeepsTheDesignFileOnceTheExclusionsAreSet) {
    editor_.Accept();  // the first one marks the exclusions as set in this editor
    editor_.Fill();
    const Design before = design();
    editor_.Accept();
    EXPECT_TRUE(SameDesignFile(design(), before));
}

TEST_F(PowerEditorTest, ListsWithoutASelectionKeepThePlantAndTheCruise) {
    design().Slots[Slot::PlantFuel].MISCNUM[2] = 1;
    Settle();
    editor_.Fill();
    editor_.plant.Select(std::nullopt);
    editor_.cruise_g.Select(std::nullopt);
    editor_.plant_size.text = "30";
    editor_.Accept();
    EXPECT_EQ(design().Slots[Slot::PowerPlant].LABEL.trimmed(), "Fusion Plant");
    EXPECT_EQ(design().Slots[Slot::PowerPlant].KL, 30);
    EXPECT_EQ(design().Slots[Slot::PlantFuel].MISCNUM[2], 1);
}

TEST_F(PowerEditorTest, HelpExplainsTheExtendedEnduranceInTwoParagraphs) {
    editor_.ExplainExtendedEndurance();
    ASSERT_EQ(prompter_.questions().size(), 1u);
    const std::string& text = prompter_.questions()[0].text;
    EXPECT_EQ(text.rfind("The cruise G setting is a part", 0), 0u);
    EXPECT_NE(text.find("'cruise' at\r\n\r\nJump overdrive"), std::string::npos);
    EXPECT_NE(text.find("though not over 6.  Maneuver"), std::string::npos);
}

}  // namespace
}  // namespace korvane::ui
