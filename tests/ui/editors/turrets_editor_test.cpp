#include "ui/editors/turrets_editor.h"

#include <gtest/gtest.h>

#include "engine/status_summary.h"
#include "ui/editors/weapons_section_test_support.h"

namespace korvane::ui_test {
namespace {

using testing::QuestionKind;

// A TR row with the weapons one battery needs for factors 1, 2, …; the
// factors after those lack (9999), as in the standard catalog.
ComponentRecord TurretRow(int id, std::string_view label, std::vector<double> thresholds) {
    ComponentRecord row = Row("TR", id, label, 13.5, 2, 1, 200'000);
    thresholds.resize(10, 9999);
    for (std::size_t f = 0; f < thresholds.size(); ++f) {
        row.MISCNUM[f + 1] = thresholds[f];
    }
    return row;
}

constexpr int kTriple = 0;
constexpr int kSingle = 1;
constexpr int kPlain = 2;

class TurretsEditorTest : public ListEditorFixture {
protected:
    void SetUp() override {
        OpenCatalog({TurretRow(1, "Triple Laser Turret", {1, 2, 3, 4}),
                     TurretRow(2, "Single Missile", {1, 1, 1, 2, 4}),
                     TurretRow(3, "Plain Sandcaster", {0, 9999, 10000})});
        editor_.Load();
        editor_.Activate();
        design().DesignChanged = false;
    }

    // Installs available row `row`: `count` and `batteries` are the chosen
    // positions, 10 being "Enter".
    void Install(int row, std::optional<int> count, std::optional<int> batteries = std::nullopt) {
        prompter_.AnswerChoice(count);
        if (batteries) {
            prompter_.AnswerChoice(batteries);
        }
        editor_.available.Select(row);
        editor_.InstallSelected();
    }

    // Selects the installed row of design entry `entry`; the answers to the
    // modify question are queued on the prompter returned.
    testing::ScriptedPrompter& Select(int entry) {
        editor_.installed.Select(std::nullopt);
        for (int row = 0; row < editor_.installed.Count(); ++row) {
            if (editor_.installed.ItemData(row) == entry) {
                editor_.installed.Select(row);
            }
        }
        EXPECT_TRUE(editor_.installed.Selected()) << "entry " << entry << " is not listed";
        return prompter_;
    }

    const ComponentRecord& Entry(int i) { return design().Turrets[static_cast<std::size_t>(i)]; }

    ui::TurretsEditor editor_{session_, document_, prompter_};
};

TEST_F(TurretsEditorTest, InstallAsksForTurretsThenBatteriesAndShowsTheFactor) {
    Install(kTriple, 2, 2);
    const auto& questions = prompter_.questions();
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].title, "How many?");
    EXPECT_EQ(questions[0].options.back(), "Enter");
    EXPECT_EQ(questions[1].title, "Batteries?");
    EXPECT_EQ(questions[1].options, questions[0].options);

    EXPECT_EQ(Entry(1).NUMBER, 2);
    EXPECT_EQ(Entry(1).MISCSTR[2], "2         ");
    EXPECT_EQ(Entry(1).USP, "3") << "6 weapons in 2 batteries of 3 reach factor 3";
    EXPECT_TRUE(design().DesignChanged);
    EXPECT_EQ(notices_.notices, 1);
    EXPECT_EQ(design().Slots[Slot::Weapons].KL, 27);
    EXPECT_EQ(design().UsedHardpoints(), 2);
    ASSERT_EQ(editor_.installed.Count(), 1);
    EXPECT_EQ(editor_.installed.Text(0), Padded("Triple Laser Turret") + " x2  factor 3 bty 2   ");
}

TEST_F(TurretsEditorTest, EnterAsksForTypedTurretsAndBatteries) {
    prompter_.AnswerChoice(10).AnswerText("12 turrets").AnswerChoice(10).AnswerText("4");
    editor_.available.Select(kSingle);
    editor_.InstallSelected();
    const auto& questions = prompter_.questions();
    ASSERT_EQ(questions.size(), 4u);
    EXPECT_EQ(questions[1].text, "Give number");
    EXPECT_EQ(questions[1].initial, "1");
    EXPECT_EQ(questions[3].text, "Give batteries");
    EXPECT_EQ(questions[3].title, AppTitle());
    EXPECT_EQ(questions[3].initial, "1");
    EXPECT_EQ(Entry(1).NUMBER, 12);
    EXPECT_EQ(Entry(1).MISCSTR[2].trimmed(), "4");
    EXPECT_EQ(Entry(1).USP, "4") << "3 weapons a battery";
}

TEST_F(TurretsEditorTest, ATurretCountOfNothingInstallsNothingAndAsksNoBatteries) {
    const Design before = design();
    prompter_.AnswerChoice(10).AnswerText("");
    editor_.available.Select(kTriple);
    editor_.InstallSelected();
    EXPECT_EQ(prompter_.questions().size(), 2u) << "no battery question";

    prompter_.AnswerChoice(10).AnswerText("-2");
    editor_.InstallSelected();
    EXPECT_EQ(prompter_.questions().size(), 4u) << "no battery question";

    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);
    EXPECT_EQ(editor_.installed.Count(), 0);
}

TEST_F(TurretsEditorTest, ClosingTheBatteryQuestionUndoesTheTurretCountToo) {
    const Design before = design();
    prompter_.AnswerChoice(3).AnswerChoice(std::nullopt);  // "Batteries?" closed
    editor_.available.Select(kTriple);
    editor_.InstallSelected();
    prompter_.AnswerChoice(std::nullopt);
    editor_.InstallSelected();
    prompter_.AnswerChoice(5).AnswerChoice(10).AnswerText(std::nullopt);
    editor_.InstallSelected();

    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_EQ(Entry(1), before.Turrets[1]);
    EXPECT_FALSE(design().DesignChanged);
    EXPECT_EQ(notices_.notices, 0);
    EXPECT_EQ(editor_.installed.Count(), 0);
}

TEST_F(TurretsEditorTest, InstalledRowsOfMixedTurretsShowTheirContents) {
    ComponentRecord mixed = TurretRow(1, "Mixed Turret", {});
    mixed.USP = "*";
    mixed.MISCSTR[1] = "L=2 M=1";
    design().Turrets[3] = mixed;
    design().Turrets[3].NUMBER = 2;
    editor_.Activate();
    ASSERT_EQ(editor_.installed.Count(), 1);
    EXPECT_EQ(editor_.installed.Text(0), Padded("Mixed Turret") + " x2 L=2 M=1   ");
    EXPECT_EQ(editor_.installed.ItemData(0), 3);
}

TEST_F(TurretsEditorTest, ModifyOffersBatteriesAndMaxFactor) {
    Install(kTriple, 2, 2);
    Select(1).AnswerChoice(std::nullopt);
    editor_.ModifySelected();
    const auto& question = prompter_.questions().back();
    EXPECT_EQ(question.title, "Modify Turrets");
    EXPECT_EQ(question.options, (std::vector<std::string>{"Remove", "Change number",
                                                          "Change batteries", "MaxFactor"}));
    EXPECT_EQ(Entry(1).NUMBER, 2);
}

TEST_F(TurretsEditorTest, ChangeBatteriesReplacesTheBatteryText) {
    Install(kTriple, 2, 2);
    design().DesignChanged = false;

    Select(1).AnswerChoice(3).AnswerText("");
    editor_.ModifySelected();
    const auto& input = prompter_.questions().back();
    EXPECT_EQ(input.text, "New number of batteries");
    EXPECT_EQ(input.initial, "2");
    EXPECT_EQ(Entry(1).MISCSTR[2].trimmed(), "2") << "an empty answer keeps the batteries";
    EXPECT_FALSE(design().DesignChanged);

    Select(1).AnswerChoice(3).AnswerText("6");
    editor_.ModifySelected();
    EXPECT_EQ(Entry(1).MISCSTR[2].trimmed(), "6");
    EXPECT_EQ(Entry(1).USP, "1") << "one weapon a battery";
    EXPECT_TRUE(design().DesignChanged);
    EXPECT_EQ(editor_.installed.Text(0), Padded("Triple Laser Turret") + " x2  factor 1 bty 6   ");
}

TEST_F(TurretsEditorTest, ChangeNumberAsksForTurretsAndEmptiesTheEntryBelowZero) {
    Install(kTriple, 2, 2);
    Select(1).AnswerChoice(2).AnswerText("-1");
    editor_.ModifySelected();
    EXPECT_EQ(prompter_.questions().back().text, "New number of turrets");
    EXPECT_EQ(Entry(1).NUMBER, 0);
    EXPECT_EQ(editor_.installed.Count(), 0);
    EXPECT_EQ(design().UsedHardpoints(), 0);
}

TEST_F(TurretsEditorTest, MaxFactorOffersTheAvailableFactorsAndSetsTheBatteries) {
    Install(kTriple, 2, 1);
    Select(1).AnswerChoice(4).AnswerChoice(3);  // factor "3" of options 1–4
    editor_.ModifySelected();
    const auto& choice = prompter_.questions().back();
    EXPECT_EQ(choice.title, "Maximum batteries for what factor ?");
    EXPECT_EQ(choice.options, (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(Entry(1).MISCSTR[2].trimmed(), "2") << "Int(6 / 3)";
    EXPECT_EQ(Entry(1).USP, "3");

    Select(1).AnswerChoice(4).AnswerChoice(4);
    editor_.ModifySelected();
    EXPECT_EQ(Entry(1).MISCSTR[2].trimmed(), "1") << "Int(6 / 4)";
    EXPECT_EQ(Entry(1).USP, "4");
}

TEST_F(TurretsEditorTest, MaxFactorStepsDownWhereTheWeaponsFormNoBattery) {
    Install(kSingle, 1, 1);
    Select(1).AnswerChoice(4).AnswerChoice(5);
    editor_.ModifySelected();
    EXPECT_EQ(Entry(1).MISCSTR[2].trimmed(), "1") << "factor 3 is the first with a battery";
    EXPECT_EQ(Entry(1).USP, "3");
}

TEST_F(TurretsEditorTest, MaxFactorWithoutAnyFactorOffersNothingAndChangesNothing) {
    Install(kPlain, 2, 3);
    design().DesignChanged = false;
    const Design before = design();
    Select(1).AnswerChoice(4);
    editor_.ModifySelected();
    const auto& questions = prompter_.questions();
    EXPECT_EQ(questions.back().kind, QuestionKind::Message) << "no choice dialog without options";
    EXPECT_EQ(questions.back().title, AppTitle());
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);
}

TEST_F(TurretsEditorTest, MaxFactorClosedWithoutAFactorChangesNothing) {
    Install(kTriple, 2, 2);
    design().DesignChanged = false;
    const Design before = design();
    Select(1).AnswerChoice(4).AnswerChoice(std::nullopt);
    editor_.ModifySelected();
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);
}

TEST_F(TurretsEditorTest, FullTableShowsTheMaximumMessage) {
    for (int i = 1; i <= kTurretsMax; ++i) {
        design().Turrets[static_cast<std::size_t>(i)] = TurretRow(2, "Single Missile", {1});
    }
    editor_.Activate();
    const Design before = design();
    editor_.available.Select(kTriple);
    editor_.InstallSelected();
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(prompter_.questions()[0].text,
              "You already have the maximum number of options selected.");
    EXPECT_TRUE(SameDesignFile(design(), before));
}

TEST_F(TurretsEditorTest, OpeningAndClosingLeavesTheDesignFileAsItWas) {
    Install(kTriple, 2, 2);
    Install(kSingle, 1, 1);
    MarkSaved(design());
    EXPECT_TRUE(ReopeningChangesNothing<ui::TurretsEditor>(
        session_, document_, prompter_, 0, "27.0 KL  4.0 Tons  2.0 Mw  Cr400,000.0"));
}

}  // namespace
}  // namespace korvane::ui_test
