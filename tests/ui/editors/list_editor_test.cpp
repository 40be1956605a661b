#include "ui/editors/list_editor.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/recalculate.h"
#include "engine/status_summary.h"
#include "ui/editors/communicators_editor.h"
#include "ui/editors/list_editor_test_support.h"

namespace korvane::ui_test {
namespace {

using testing::Question;
using testing::QuestionKind;
using ui::CommunicatorsEditor;
using ui::CountPrompt;
using ui::ListEditorShape;
using ui::ZeroCount;

// An editor that asks with "Enter" for a typed count, on the design's bays.
class TypedCountEditor final : public ui::ListEditor {
public:
    TypedCountEditor(Session& session, ui::DesignDocument& document, Prompter& prompter,
                     ZeroCount zero_count)
        : ListEditor(session, document, prompter,
                     {.frame_caption = "Bay Weapons",
                      .catalog_codes = {"BY"},
                      .count_prompt = CountPrompt::NineOrEnter,
                      .zero_count = zero_count,
                      .modify_caption = "Modify Bays"}) {}

protected:
    std::span<ComponentRecord> Entries() override { return design().Bays; }
};

std::string Padded(std::string_view label) {
    std::string text(label);
    text.resize(20, ' ');
    return text;
}

class ListEditorTest : public ListEditorFixture {
protected:
    void SetUp() override {
        ComponentRecord bay = Row("BY", 1, "50-ton Missile Bay", 675, 500, 10, 20'000'000);
        bay.NUMBER = 2;  // the count an install takes when none is given
        OpenCatalog({Row("CM", 1, "Radio, Short Range", 1.5, 0.75, 0.5, 500),
                     Row("CM", 2, "Laser Comm, System", 1, 0.5, 0.5, 150'000),
                     Row("CM", 4, "Meson Comm, System", 50, 30, 300, 10'000'000), bay});
        editor_.Load();
        editor_.Activate();
    }

    // Installs available row `row` with the count at position `count`.
    void Install(int row, int count) {
        prompter_.AnswerChoice(count);
        editor_.available.Select(row);
        editor_.InstallSelected();
    }

    // Fills every communicator entry with a counted row.
    void FillCommunicators() {
        for (int i = 1; i <= kCommunicatorsMax; ++i) {
            design().Communicators[i] = Row("CM", 1, "Radio, Short Range");
        }
        editor_.Activate();
    }

    // Selects the installed row of design entry `entry` and answers the modify
    // question with `option`, and the input box that follows with `typed`.
    void Modify(int entry, std::optional<int> option,
                std::optional<std::optional<std::string>> typed = std::nullopt) {
        for (int row = 0; row < editor_.installed.Count(); ++row) {
            if (editor_.installed.ItemData(row) == entry) {
                editor_.installed.Select(row);
            }
        }
        ASSERT_TRUE(editor_.installed.Selected()) << "entry " << entry << " is not listed";
        prompter_.AnswerChoice(option);
        if (typed) {
            prompter_.AnswerText(*typed);
        }
        editor_.ModifySelected();
    }

    void ChangeNumber(int entry, std::optional<std::string> typed) { Modify(entry, 2, typed); }

    CommunicatorsEditor editor_{session_, document_, prompter_};
};

TEST_F(ListEditorTest, AvailableListsEachCodeUpToItsFirstMissingId) {
    ASSERT_EQ(editor_.available.Count(), 2) << "CM 4 stands behind the gap at id 3";
    EXPECT_EQ(editor_.available.Text(1), Padded("Laser Comm, System"));
    EXPECT_EQ(editor_.available.Key(1), (ui::CatalogKey{"CM", 2}));
    EXPECT_EQ(editor_.Caption, AppTitle());
    EXPECT_EQ(editor_.frame.caption, "Communicators");
}

TEST_F(ListEditorTest, TheFilteredAndSortedRowClickedIsTheOneInstalled) {
    editor_.available_filter.text = "comm";
    editor_.FilterAvailable();
    ASSERT_EQ(editor_.available.Count(), 1);
    editor_.available.SortBy(ui::CatalogColumn::Cost);
    editor_.available.SortBy(ui::CatalogColumn::Cost);  // dearest first
    editor_.available_filter.text.clear();
    editor_.FilterAvailable();
    ASSERT_EQ(editor_.available.Count(), 2);
    EXPECT_EQ(editor_.available.Text(0), Padded("Laser Comm, System"));

    Install(1, 2);  // the radio, shown second
    EXPECT_EQ(design().Communicators[1].LABEL, Padded("Radio, Short Range"));
    EXPECT_EQ(design().Communicators[1].IDNUM, 1);

    editor_.available_filter.text = "LASER";
    editor_.FilterAvailable();
    Install(0, 1);
    EXPECT_EQ(design().Communicators[2].LABEL, Padded("Laser Comm, System"));
    EXPECT_TRUE(editor_.ClearAvailableFilter());
    EXPECT_EQ(editor_.available.Count(), 2);
    EXPECT_FALSE(editor_.ClearAvailableFilter()) << "Escape in an empty box is the window's";
}

TEST_F(ListEditorTest, AvailableRowsShowTheDetailsOfOneUnitAndEveryRowATooltip) {
    editor_.available.Select(1);
    editor_.ShowAvailableDetails();
    const std::string laser = "1.0 KL  0.5 Tons  0.5 Mw  Cr150,000.0  TL 10";
    EXPECT_EQ(editor_.available_details.caption, laser);
    EXPECT_EQ(editor_.available.ToolTip(1), "Laser Comm, System\n" + laser);

    Install(1, 3);
    EXPECT_EQ(editor_.installed.ToolTip(0),
              Padded("Laser Comm, System") + " x3\n3.0 KL  1.5 Tons  1.5 Mw  Cr450,000.0");
}

TEST_F(ListEditorTest, InstallCopiesTheRowWithTheChosenCountAndRecalculates) {
    Install(1, 3);
    const Question& question = prompter_.questions().at(0);
    EXPECT_EQ(question.title, "Install how many?");
    EXPECT_EQ(question.options,
              (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    const ComponentRecord& entry = design().Communicators[1];
    EXPECT_EQ(entry.LABEL, Padded("Laser Comm, System"));
    EXPECT_EQ(entry.NUMBER, 3);
    EXPECT_TRUE(design().DesignChanged);
    EXPECT_EQ(notices_.notices, 1);
    EXPECT_DOUBLE_EQ(design().Slots[Slot::Communicators].CR, 450'000 * 10.0 / 12)
        << "counted at tech level 10 of 12";
    ASSERT_EQ(editor_.installed.Count(), 1);
    EXPECT_EQ(editor_.installed.Text(0), Padded("Laser Comm, System") + " x3");
    EXPECT_EQ(editor_.installed.ItemData(0), 1);
}

TEST_F(ListEditorTest, EveryChangeRecalculatesTheWholeDesign) {
    // The hull grew and a jump drive was chosen, with no recalculation yet:
    // the drive is still sized for the old hull.
    design().Slots[Slot::Hull].KL = 2700;
    design().Slots[Slot::JumpDrive].USP = "2";
    Install(0, 1);
    Design recalculated = design();
    Recalculate(recalculated, session_.catalog->Features());
    EXPECT_GT(design().Slots[Slot::JumpDrive].KL, 0) << "the drives are sized for the new hull";
    EXPECT_TRUE(SameDesignFile(design(), recalculated)) << "the figures are settled";
}

TEST_F(ListEditorTest, FullTableShowsTheMaximumMessageAndAFreedEntryIsReused) {
    FillCommunicators();
    const Design before = design();
    editor_.available.Select(0);
    editor_.InstallSelected();
    ASSERT_EQ(prompter_.questions().size(), 1u);
    const Question& message = prompter_.questions()[0];
    EXPECT_EQ(message.kind, QuestionKind::Message);
    EXPECT_EQ(message.title, AppTitle());
    EXPECT_EQ(message.text, "You already have the maximum number of options selected.");
    EXPECT_EQ(message.icon, MessageIcon::Warning);
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);

    Modify(4, 1);  // Remove
    EXPECT_EQ(design().Communicators[4], BlankRecord);
    EXPECT_EQ(editor_.installed.Count(), 9);
    Install(1, 2);
    EXPECT_EQ(design().Communicators[4].LABEL, Padded("Laser Comm, System"))
        << "the freed entry, not one at the end";
}

TEST_F(ListEditorTest, AnEntryBelowZeroIsFreeAndNotListed) {
    design().Communicators[1] = Row("CM", 2, "Laser Comm, System");
    design().Communicators[1].NUMBER = -1;
    design().Communicators[2] = Row("CM", 1, "Radio, Short Range");
    editor_.Activate();
    ASSERT_EQ(editor_.installed.Count(), 1);
    EXPECT_EQ(editor_.installed.ItemData(0), 2);

    Install(0, 4);
    EXPECT_EQ(design().Communicators[1].LABEL, Padded("Radio, Short Range"));
    EXPECT_EQ(design().Communicators[1].NUMBER, 4);
}

TEST_F(ListEditorTest, AQuestionClosedWithoutAnAnswerChangesNothing) {
    design().Communicators[1] = Row("CM", 2, "Laser Comm, System");
    design().Communicators[1].NUMBER = 0;  // free, but holding a row
    const Design before = design();
    prompter_.AnswerChoice(std::nullopt);
    editor_.available.Select(0);
    editor_.InstallSelected();
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);
    EXPECT_EQ(notices_.notices, 0);

    Install(0, 1);
    Modify(1, std::nullopt);
    EXPECT_EQ(design().Communicators[1].NUMBER, 1);
}

TEST_F(ListEditorTest, WithoutASelectedRowNothingHappens) {
    FillCommunicators();
    const Design before = design();
    editor_.InstallSelected();
    editor_.ShowAvailableDetails();
    editor_.ModifySelected();
    editor_.ShowInstalledDetails();
    EXPECT_TRUE(prompter_.questions().empty());
    EXPECT_TRUE(editor_.installed_details.caption.empty());
    EXPECT_TRUE(SameDesignFile(design(), before));
}

TEST_F(ListEditorTest, DetailsShowTheCatalogRowsFiguresTimesTheNumber) {
    Install(0, 3);
    design().Communicators[1].KL = 99;  // the entry's own figures are not shown
    editor_.installed.Select(0);
    editor_.ShowInstalledDetails();
    EXPECT_EQ(editor_.installed_details.caption, "4.5 KL  2.3 Tons  1.5 Mw  Cr1,500.0");

    // A row this catalog lacks shows the entry's own figures.
    design().Communicators[1].IDNUM = 7;
    editor_.ShowInstalledDetails();
    EXPECT_EQ(editor_.installed_details.caption.substr(0, 10), "297.0 KL  ");
}

TEST_F(ListEditorTest, ChangeNumberSetsEmptiesOrKeepsTheEntry) {
    Install(0, 2);
    design().Communicators[1].NUMBER = 1.5;
    editor_.Activate();
    design().DesignChanged = false;

    ChangeNumber(1, "");
    EXPECT_EQ(prompter_.questions().back().text, "New number");
    EXPECT_EQ(prompter_.questions().back().initial, "1.5");
    EXPECT_EQ(design().Communicators[1].NUMBER, 1.5) << "an empty answer changes nothing";
    EXPECT_FALSE(design().DesignChanged);

    ChangeNumber(1, std::nullopt);
    EXPECT_EQ(design().Communicators[1].NUMBER, 1.5);

    ChangeNumber(1, "four");
    EXPECT_EQ(prompter_.questions().back().kind, QuestionKind::Message);
    EXPECT_EQ(prompter_.questions().back().text, "\"four\" is not a number; the number stays 1.5.");
    EXPECT_EQ(design().Communicators[1].NUMBER, 1.5);
    EXPECT_FALSE(design().DesignChanged);

    ChangeNumber(1, "4 units");
    EXPECT_EQ(design().Communicators[1].NUMBER, 4);
    EXPECT_EQ(editor_.installed.Text(0), Padded("Radio, Short Range") + " x4");

    ChangeNumber(1, "-3");
    EXPECT_EQ(design().Communicators[1].NUMBER, 0) << "below 0 empties the entry as 0 does";
    EXPECT_EQ(editor_.installed.Count(), 0);
}

TEST_F(ListEditorTest, ChangeNumberToZeroFreesTheEntryForTheNextInstall) {
    Install(0, 2);
    Install(1, 1);
    ChangeNumber(1, "0");
    ASSERT_EQ(editor_.installed.Count(), 1);
    EXPECT_EQ(editor_.installed.ItemData(0), 2);
    Install(1, 5);
    EXPECT_EQ(design().Communicators[1].LABEL, Padded("Laser Comm, System"));
    EXPECT_EQ(design().Communicators[1].NUMBER, 5);
}

TEST_F(ListEditorTest, OpeningAndClosingLeavesTheDesignFileAsItWas) {
    Install(0, 2);
    Install(1, 1);
    MarkSaved(design());
    const Design before = design();
    CommunicatorsEditor reopened{session_, document_, prompter_};
    reopened.Load();
    reopened.Activate();
    reopened.installed.Select(1);
    reopened.ShowInstalledDetails();
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);
}

// Every installed row as text, entry and tooltip.
std::vector<std::string> InstalledRows(const ui::ListBox& installed) {
    std::vector<std::string> rows;
    for (int row = 0; row < installed.Count(); ++row) {
        rows.push_back(installed.Text(row) + " | " + std::to_string(installed.ItemData(row)) +
                       " | " + installed.ToolTip(row));
    }
    return rows;
}

// A row keeps its texts only while its entry is what they were made from:
// after every kind of change the list is the one a window opened afresh shows.
TEST_F(ListEditorTest, TheInstalledListAlwaysShowsTheEntriesAsTheyAre) {
    const std::vector<std::pair<std::string, std::function<void()>>> steps = {
        {"install radios", [&] { Install(0, 3); }},
        {"install a laser comm", [&] { Install(1, 2); }},
        {"install one more radio", [&] { Install(0, 1); }},
        {"change the laser comm's number", [&] { ChangeNumber(2, "5"); }},
        {"remove the first row", [&] { Modify(1, 1); }},
        {"install into the freed first entry", [&] { Install(1, 4); }},
        {"undo", [&] { document_.Undo(); }},
        {"redo", [&] { document_.Redo(); }},
        {"another catalog row in an entry, the window shown again",
         [&] {
             design().Communicators[2].IDNUM = 4;
             editor_.Activate();
         }},
        {"an entry freed below zero, the window shown again",
         [&] {
             design().Communicators[1].NUMBER = -1;
             editor_.Activate();
         }},
    };
    for (const auto& [name, step] : steps) {
        editor_.installed.Select(0);
        step();
        CommunicatorsEditor afresh{session_, document_, prompter_};
        afresh.Activate();
        EXPECT_EQ(InstalledRows(editor_.installed), InstalledRows(afresh.installed)) << name;
        EXPECT_FALSE(editor_.installed.Selected()) << name;
    }
    EXPECT_EQ(editor_.installed.Count(), 2) << "the steps ran";
}

class TypedCountTest : public ListEditorTest {
protected:
    void InstallBay(ZeroCount zero_count, std::optional<std::string> typed) {
        TypedCountEditor bays{session_, document_, prompter_, zero_count};
        bays.Load();
        prompter_.AnswerChoice(10).AnswerText(std::move(typed));
        bays.available.Select(0);
        bays.InstallSelected();
    }
};

TEST_F(TypedCountTest, EnterAsksForTheNumber) {
    InstallBay(ZeroCount::KeepCatalogNumber, "3 bays");
    const Question& choice = prompter_.questions().at(0);
    EXPECT_EQ(choice.options.back(), "Enter");
    const Question& input = prompter_.questions().at(1);
    EXPECT_EQ(input.title, AppTitle());
    EXPECT_EQ(input.text, "Give number");
    EXPECT_EQ(input.initial, "1");
    EXPECT_EQ(design().Bays[1].NUMBER, 3);
}

TEST_F(TypedCountTest, AnEmptyCountTakesTheCatalogNumberOrInstallsNothing) {
    InstallBay(ZeroCount::KeepCatalogNumber, "");
    EXPECT_EQ(design().Bays[1].NUMBER, 2);

    const Design before = design();
    design().DesignChanged = false;
    InstallBay(ZeroCount::InstallNothing, "none");
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);
}

TEST_F(TypedCountTest, ACancelledOrNegativeCountInstallsNothing) {
    const Design before = design();
    InstallBay(ZeroCount::KeepCatalogNumber, std::nullopt);
    InstallBay(ZeroCount::KeepCatalogNumber, "-2");
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);
}

}  // namespace
}  // namespace korvane::ui_test
