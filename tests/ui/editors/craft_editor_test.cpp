#include "ui/editors/craft_editor.h"

#include <gtest/gtest.h>

#include <string>

#include "form_editor_test_support.h"

namespace korvane::ui {
namespace {

using testing::QuestionKind;
using ui_test::SameDesignFile;

constexpr int kLaunchId = 4;  // "Ship's Launch, 20 tons": 270 kl, 15 tons, 14 MCr, TL 9, crew 1

class CraftEditorTest : public ui_test::FormEditorFixture {
protected:
    void SetUp() override {
        FormEditorFixture::SetUp();
        editor_.Load();
        editor_.Activate();
    }

    // Installs the catalog's craft `id` with the count at `position`.
    void Install(int id, int position) {
        prompter_.AnswerChoice(position);
        editor_.available.Select(id - 1);
        editor_.InstallSelected();
    }

    void SelectInstalled(int entry) {
        for (int row = 0; row < editor_.installed.Count(); ++row) {
            if (editor_.installed.ItemData(row) == entry) {
                editor_.installed.Select(row);
            }
        }
    }

    // Answers the eight questions of the craft entry dialog after "Edit".
    void AnswerEntryDialog(const std::string& name, const std::string& volume,
                           std::optional<int> count) {
        prompter_.AnswerChoice(3)
            .AnswerText(name)
            .AnswerText(volume)
            .AnswerText("")
            .AnswerText("")
            .AnswerText("")
            .AnswerText("")
            .AnswerText("")
            .AnswerChoice(count);
    }

    const ComponentRecord& Launch() { return catalog().LookupComponent("CR", kLaunchId); }

    CraftEditor editor_{session_, document_, prompter_};
};

TEST_F(CraftEditorTest, AvailableRowsCarryTheWholeNameAndShowTheirDetails) {
    ASSERT_EQ(editor_.available.Count(), 12);
    const std::string& row = editor_.available.Text(kLaunchId - 1);
    EXPECT_EQ(row.substr(0, 27), "Ship's Launch, 20 tons     ");
    EXPECT_EQ(row.size(), 50u);
    EXPECT_EQ(editor_.available.Key(kLaunchId - 1), (ui::CatalogKey{"CR", kLaunchId}));

    editor_.available.Select(kLaunchId - 1);
    editor_.ShowAvailableDetails();
    EXPECT_EQ(editor_.available_details.caption, "270 KL  15 Tons   KCr14,000.0 TL 9");
}

TEST_F(CraftEditorTest, InstalledCraftShowTheirNameTrimmedAndTheirCrew) {
    Install(kLaunchId, 2);
    ASSERT_EQ(editor_.installed.Count(), 1);
    EXPECT_EQ(editor_.installed.Text(0), "Ship's Launch, 20 tons x2");
    EXPECT_EQ(design().Craft[1].NUMBER, 2);
    EXPECT_EQ(design().Slots[Slot::Crew].MISCSTR[5].trimmed(), "2")
        << "the flight crew of two launches";

    editor_.installed.Select(0);
    editor_.ShowInstalledDetails();
    EXPECT_EQ(editor_.installed_details.caption, "540.0 KL  30.0 Tons  2.0 crew  Cr28,000,000.0");
    EXPECT_TRUE(Settled());
}

// A craft's name runs past its 20-character label into three more fields.
TEST_F(CraftEditorTest, UndoStepsNameTheCraftByItsWholeName) {
    Install(kLaunchId, 2);
    EXPECT_EQ(document_.UndoStep(), "Install 2 Ship's Launch, 20 tons");
    ASSERT_TRUE(editor_.SetNumber(1, 3).ok());
    EXPECT_EQ(document_.UndoStep(), "Change number of Ship's Launch, 20 tons to 3");
    ASSERT_TRUE(editor_.Remove(1).ok());
    EXPECT_EQ(document_.UndoStep(), "Remove Ship's Launch, 20 tons");
}

TEST_F(CraftEditorTest, ATypedCountThatReadsZeroKeepsTheCatalogNumber) {
    prompter_.AnswerChoice(10).AnswerText("none");
    editor_.available.Select(0);
    editor_.InstallSelected();
    EXPECT_EQ(prompter_.questions()[1].text, "Give number");
    EXPECT_EQ(design().Craft[1].NUMBER, 1);
}

TEST_F(CraftEditorTest, TheEntryDialogStoresA45CharacterNameAcrossItsFourFields) {
    Install(kLaunchId, 1);
    SelectInstalled(1);
    const std::string name = "Armed Pinnace of the Outer Patrol, Mark Three";  // 45
    prompter_.AnswerChoice(3)
        .AnswerText(name)
        .AnswerText("20t")
        .AnswerText("18")
        .AnswerText("0.5")
        .AnswerText("22000000")
        .AnswerText("3 crew")
        .AnswerText("11.5")
        .AnswerChoice(2);
    const std::size_t first = prompter_.questions().size();
    editor_.ModifySelected();

    const auto& questions = prompter_.questions();
    EXPECT_EQ(questions[first].title, "Modify Craft");
    EXPECT_EQ(questions[first].options,
              (std::vector<std::string>{"Remove", "Change number", "Edit"}));
    EXPECT_EQ(questions[first + 1].initial, "Ship's Launch, 20 tons");
    EXPECT_EQ(questions[first + 2].text, "KL or tons volume (suffix tons with t):");
    EXPECT_EQ(questions[first + 7].text, "TL (numeric) ");
    EXPECT_EQ(questions[first + 7].initial, "9");

    const ComponentRecord& craft = design().Craft[1];
    EXPECT_EQ(craft.LABEL, FixedText<20>("Armed Pinnace of the"));
    EXPECT_EQ(craft.MISCSTR[1], FixedText<10>(" Outer Pat"));
    EXPECT_EQ(craft.MISCSTR[2], FixedText<10>("rol, Mark "));
    EXPECT_EQ(craft.MISCSTR[3], FixedText<10>("Three"));
    EXPECT_EQ(craft.KL, 270);
    EXPECT_EQ(craft.TONS, 18);
    EXPECT_EQ(craft.MW, 0.5);
    EXPECT_EQ(craft.CR, 22000000);
    EXPECT_EQ(craft.MISCNUM[3], 3);
    EXPECT_EQ(craft.TL, 12) << "rounded half away from zero";
    EXPECT_EQ(craft.NUMBER, 2);
    EXPECT_EQ(editor_.installed.Text(0), name + " x2");
    EXPECT_EQ(design().Slots[Slot::Crew].MISCSTR[5].trimmed(), "6");

    // The details line shows the craft as edited, not the catalog row it came from.
    editor_.installed.Select(0);
    editor_.ShowInstalledDetails();
    EXPECT_EQ(editor_.installed_details.caption, "540.0 KL  36.0 Tons  6.0 crew  Cr44,000,000.0");
    EXPECT_TRUE(Settled());
}

TEST_F(CraftEditorTest, AVolumeWithoutTheLetterTIsKilolitres) {
    Install(kLaunchId, 1);
    SelectInstalled(1);
    AnswerEntryDialog("", "270", 1);
    editor_.ModifySelected();
    EXPECT_EQ(design().Craft[1].KL, 270);
    EXPECT_EQ(design().Craft[1].LABEL, Launch().LABEL) << "an empty answer keeps the name";

    SelectInstalled(1);
    prompter_.AnswerChoice(3)
        .AnswerText("")
        .AnswerText("")
        .AnswerText("")
        .AnswerText("")
        .AnswerText("")
        .AnswerText("")
        .AnswerText("99999999");
    prompter_.AnswerChoice(1);
    editor_.ModifySelected();
    EXPECT_EQ(design().Craft[1].TL, 32767) << "a tech level beyond the field is held at its top";
}

TEST_F(CraftEditorTest, AnEntryDialogClosedHalfwayChangesNothing) {
    Install(kLaunchId, 1);
    design().DesignChanged = false;
    const Design before = design();
    SelectInstalled(1);
    prompter_.AnswerChoice(3).AnswerText("Renamed").AnswerText("20t").AnswerText(std::nullopt);
    editor_.ModifySelected();
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);

    SelectInstalled(1);
    AnswerEntryDialog("Renamed", "", std::nullopt);  // the count question closed
    editor_.ModifySelected();
    EXPECT_TRUE(SameDesignFile(design(), before));
}

TEST_F(CraftEditorTest, EditingWithoutChangesLeavesTheDesignFileAsItWas) {
    Install(kLaunchId, 2);
    const Design before = design();
    SelectInstalled(1);
    AnswerEntryDialog("", "", 2);
    editor_.ModifySelected();
    editor_.Activate();
    EXPECT_TRUE(SameDesignFile(design(), before));
}

TEST_F(CraftEditorTest, LaunchTubes) {
    EXPECT_EQ(editor_.launch_tubes.caption, "No launch tube");
    const std::string per_ton = "Each ton of craft launched: 337.5 KL  0.0 Tons  Cr50,625.0";
    EXPECT_EQ(editor_.launch_tube_details.caption, per_ton) << "what a tube takes, before one";

    prompter_.AnswerText("2").AnswerText("50");
    editor_.SetLaunchTubes();
    EXPECT_EQ(prompter_.questions()[0].text, "How many launch tubes?");
    EXPECT_EQ(prompter_.questions()[1].text, "To launch up to what tonnage?");
    const ComponentRecord& tube = design().Slots[Slot::LaunchTube];
    EXPECT_EQ(tube.NUMBER, 1);
    EXPECT_EQ(tube.MISCNUM[2], 2);
    EXPECT_EQ(tube.MISCNUM[1], 50);
    EXPECT_EQ(tube.KL, 50 * 13.5 * 25);
    EXPECT_EQ(editor_.launch_tubes.caption, "2 launch tubes for max displacement 50 tons.");
    EXPECT_EQ(editor_.launch_tube_details.caption,
              "16,875.0 KL  0.0 Tons  2.0 tubes  Cr2,531,250.0");
    EXPECT_EQ(tube.CR, 2'531'250);
    EXPECT_TRUE(Settled());

    // A tonnage question closed takes back the count just given.
    prompter_.AnswerText("4").AnswerText(std::nullopt);
    editor_.SetLaunchTubes();
    EXPECT_EQ(tube.MISCNUM[2], 2);
    EXPECT_EQ(prompter_.questions()[2].initial, "2");

    prompter_.AnswerText("0");
    editor_.SetLaunchTubes();
    EXPECT_EQ(prompter_.questions().size(), 5u) << "no tonnage question";
    EXPECT_EQ(tube.NUMBER, 0);
    EXPECT_EQ(tube.KL, 0);
    EXPECT_EQ(editor_.launch_tubes.caption, "No launch tube");
    EXPECT_EQ(editor_.launch_tube_details.caption, per_ton);

    prompter_.AnswerText("-3");
    editor_.SetLaunchTubes();
    EXPECT_EQ(tube.NUMBER, 0) << "no negative tubes";
    EXPECT_EQ(tube.MISCNUM[2], 0);
}

}  // namespace
}  // namespace korvane::ui
