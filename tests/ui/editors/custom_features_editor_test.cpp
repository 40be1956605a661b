#include "ui/editors/custom_features_editor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "form_editor_test_support.h"

namespace korvane::ui {
namespace {

using testing::QuestionKind;
using ui_test::SameDesignFile;

class CustomFeaturesEditorTest : public ui_test::FormEditorFixture {
protected:
    void SetUp() override {
        FormEditorFixture::SetUp();
        editor_.Load();
        editor_.Activate();
    }

    // Answers the custom feature dialog: description, volume, mass, power,
    // cost, then the count at `position`.
    void AnswerDialog(const std::string& name, const std::string& volume, const std::string& tons,
                      const std::string& mw, const std::string& cr, std::optional<int> position) {
        prompter_.AnswerText(name).AnswerText(volume).AnswerText(tons).AnswerText(mw).AnswerText(
            cr);
        prompter_.AnswerChoice(position);
    }

    CustomFeaturesEditor editor_{session_, document_, prompter_};
};

TEST_F(CustomFeaturesEditorTest, AddOneStoresTheTypedFeature) {
    EXPECT_EQ(editor_.available.Count(), 0) << "no catalog rows";
    AnswerDialog("Observation Lounge", "10T", "4", "0.25", "300000", 2);
    editor_.AddOne();

    ASSERT_EQ(prompter_.questions().size(), 6u);
    EXPECT_EQ(prompter_.questions()[0].text, "Description");
    EXPECT_EQ(prompter_.questions()[0].initial, "") << "a new entry has no name yet";
    EXPECT_EQ(prompter_.questions()[1].initial, "0");
    EXPECT_EQ(prompter_.questions()[5].title, "Install how many?");

    const ComponentRecord& feature = design().CustomFeatures[1];
    EXPECT_EQ(feature.LABEL, FixedText<20>("Observation Lounge"));
    EXPECT_EQ(feature.KL, 135) << "10 displacement tons";
    EXPECT_EQ(feature.TONS, 4);
    EXPECT_EQ(feature.MW, 0.25);
    EXPECT_EQ(feature.CR, 300000);
    EXPECT_EQ(feature.NUMBER, 2);
    EXPECT_EQ(design().Slots[Slot::CustomFeatures].KL, 270);
    ASSERT_EQ(editor_.installed.Count(), 1);
    EXPECT_EQ(editor_.installed.Text(0), "Observation Lounge   x2");

    editor_.installed.Select(0);
    editor_.ShowInstalledDetails();
    EXPECT_EQ(editor_.installed_details.caption, "270.0 KL  8.0 Tons  0.5 Mw  Cr600,000.0");
    EXPECT_TRUE(Settled());
}

TEST_F(CustomFeaturesEditorTest, ALongNameIsCutAndUnreadableNumbersAreZero) {
    const std::string name =
        "Twenty characters ..Ten more..Ten more..Ten more..and this spills";  // 66
    AnswerDialog(name, "big", "abc", "NaN", "-", 1);
    editor_.AddOne();

    const ComponentRecord& feature = design().CustomFeatures[1];
    EXPECT_EQ(feature.LABEL, FixedText<20>("Twenty characters .."));
    EXPECT_EQ(feature.MISCSTR[1], FixedText<10>("Ten more.."));
    EXPECT_EQ(feature.MISCSTR[2], FixedText<10>("Ten more.."));
    EXPECT_EQ(feature.MISCSTR[3], FixedText<10>("Ten more.."));
    EXPECT_EQ(feature.MISCSTR[4], BlankRecord.MISCSTR[4]) << "nothing spills past the name";
    for (double value : {feature.KL, feature.TONS, feature.MW, feature.CR}) {
        EXPECT_EQ(value, 0);
        EXPECT_FALSE(std::isnan(value));
    }
}

TEST_F(CustomFeaturesEditorTest, ADialogClosedOrACountOfZeroAddsNothing) {
    design().DesignChanged = false;
    const Design before = design();
    prompter_.AnswerText("Gym").AnswerText("27").AnswerText("2").AnswerText(std::nullopt);
    editor_.AddOne();
    AnswerDialog("Gym", "27", "2", "0", "1000", std::nullopt);
    editor_.AddOne();
    AnswerDialog("Gym", "27", "2", "0", "1000", 10);
    prompter_.AnswerText("0");
    editor_.AddOne();
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);
    EXPECT_EQ(editor_.installed.Count(), 0);
}

TEST_F(CustomFeaturesEditorTest, AFullTableRefusesWithoutADialog) {
    for (int entry = 1; entry <= kCustomFeaturesMax; ++entry) {
        design().CustomFeatures[static_cast<std::size_t>(entry)].LABEL = "Gym";
        design().CustomFeatures[static_cast<std::size_t>(entry)].NUMBER = 1;
    }
    editor_.AddOne();
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(prompter_.questions()[0].kind, QuestionKind::Message);
    EXPECT_EQ(prompter_.questions()[0].text, "No more custom features may be added");

    // An entry set to a negative number is free again.
    design().CustomFeatures[4].NUMBER = -1;
    AnswerDialog("Sauna", "13.5", "1", "0.1", "50000", 1);
    editor_.AddOne();
    EXPECT_EQ(design().CustomFeatures[4].LABEL, FixedText<20>("Sauna"));
    EXPECT_EQ(design().CustomFeatures[4].NUMBER, 1);
}

TEST_F(CustomFeaturesEditorTest, ModifyEditsChangesTheNumberOrRemoves) {
    AnswerDialog("Observation Lounge", "27", "2", "0.1", "250000", 1);
    editor_.AddOne();
    const Design added = design();

    editor_.installed.Select(0);
    prompter_.AnswerChoice(3);
    AnswerDialog("", "", "", "", "", 1);
    editor_.ModifySelected();
    EXPECT_EQ(prompter_.questions()[6].title, "Modify custom");
    EXPECT_EQ(prompter_.questions()[7].initial, "Observation Lounge");
    EXPECT_TRUE(SameDesignFile(design(), added)) << "an edit that changes nothing";

    editor_.installed.Select(0);
    prompter_.AnswerChoice(2).AnswerText("-4");
    editor_.ModifySelected();
    EXPECT_EQ(design().CustomFeatures[1].NUMBER, 0) << "a negative number empties the entry";
    EXPECT_EQ(editor_.installed.Count(), 0);
    EXPECT_EQ(design().Slots[Slot::CustomFeatures].KL, 0);
}

}  // namespace
}  // namespace korvane::ui
