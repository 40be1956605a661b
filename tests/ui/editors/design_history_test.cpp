// Undo and redo through the editors' own logic: every kind of change an
// editor makes is taken back and made again, byte for byte.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "form_editor_test_support.h"
#include "model/bitwise_equal.h"
#include "model/text_helpers.h"
#include "ui/editors/crew_editor.h"
#include "ui/editors/hull_editor.h"
#include "ui/editors/power_editor.h"
#include "ui/editors/sensors_editor.h"
#include "ui/editors/turrets_editor.h"

namespace korvane::ui_test {
namespace {

using ui::EditorWindow;

class DesignHistoryTest : public FormEditorFixture {
protected:
    void SetUp() override {
        FormEditorFixture::SetUp();
        hull_.Fill();
        power_.Fill();
        crew_.Fill();
        sensors_.Load();
        turrets_.Load();
    }

    // The label of the first row of an editor's "Available:" list, as a step names it.
    static std::string FirstLabel(const ui::ListEditor& editor) {
        return std::string(Trimmed(editor.available.Text(0), kSpacesAndNuls));
    }

    ui::HullEditor hull_{session_, document_, prompter_};
    ui::PowerEditor power_{session_, document_, prompter_};
    ui::CrewEditor crew_{session_, document_, prompter_};
    ui::SensorsEditor sensors_{session_, document_, prompter_};
    ui::TurretsEditor turrets_{session_, document_, prompter_};
};

struct EditorStep {
    const char* what;
    std::function<void()> act;
    std::string name;  // the step's name, or how it begins
};

TEST_F(DesignHistoryTest, EveryEditorsChangeIsUndoneAndRedoneByteForByte) {
    ui::AccommodationList& rooms = crew_.accommodation;
    const std::string room = FirstLabel(rooms);
    const std::string turret = FirstLabel(turrets_);
    const std::vector<EditorStep> steps = {
        {"hull",
         [this] {
             hull_.displacement.text = "800";
             ASSERT_EQ(hull_.Accept(), EditorWindow::Closes);
         },
         "Accept hull"},
        {"install",
         [&] {
             prompter_.AnswerChoice(4);
             rooms.available.Select(0);
             rooms.InstallSelected();
         },
         "Install 4 " + room},
        {"change number",
         [&] {
             prompter_.AnswerChoice(2).AnswerText("31");
             rooms.installed.Select(0);
             rooms.ModifySelected();
         },
         "Change number of " + room + " to 31"},
        {"crew defaults", [this] { crew_.AcceptDefaults(); }, "Crew defaults"},
        {"crew position",
         [this] {
             prompter_.AnswerText("7").AnswerYesNo(true);
             crew_.SetPosition(2);
         },
         "Set " + crew_.positions[2].caption + " to 7"},
        {"power check",
         [this] {
             power_.Fill();
             power_.plant.Select(0);
             power_.plant_size.text = "60";
             power_.Check();
         },
         "Check power"},
        {"sensor defaults",
         [this] {
             prompter_.AnswerChoice(1);
             sensors_.InstallDefaults();
         },
         "Sensor defaults"},
        {"turret",
         [this] {
             prompter_.AnswerChoice(2).AnswerChoice(1);
             turrets_.available.Select(0);
             turrets_.InstallSelected();
         },
         "Install 2 " + turret},
        {"max factor",
         [this] {
             prompter_.AnswerChoice(4).AnswerChoice(1);
             turrets_.installed.Select(0);
             turrets_.ModifySelected();
         },
         "MaxFactor "},
        {"remove",
         [&] {
             prompter_.AnswerChoice(1);
             rooms.installed.Select(0);
             rooms.ModifySelected();
         },
         "Remove " + room},
    };

    std::vector<Design> states = {design()};
    for (const EditorStep& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        ASSERT_FALSE(BitwiseEqual(design(), states.back())) << "the step changed nothing";
        ASSERT_TRUE(document_.UndoStep());
        EXPECT_EQ(document_.UndoStep()->substr(0, step.name.size()), step.name);
        EXPECT_TRUE(design().DesignChanged);
        EXPECT_TRUE(Settled());
        states.push_back(design());
    }

    for (std::size_t back = states.size() - 1; back > 0; --back) {
        SCOPED_TRACE(steps[back - 1].what);
        ASSERT_TRUE(document_.Undo());
        EXPECT_TRUE(BitwiseEqual(design(), states[back - 1]));
        // The open editors show the design as it now is.
        EXPECT_EQ(rooms.installed.Count(), design().Accommodations[1].NUMBER > 0 ? 1 : 0);
        EXPECT_EQ(hull_.displacement.text, back > 1 ? "800" : "100");
    }
    EXPECT_FALSE(document_.Undo());
    EXPECT_FALSE(design().DesignChanged) << "back to the design as it was saved";

    for (std::size_t forward = 1; forward < states.size(); ++forward) {
        SCOPED_TRACE(steps[forward - 1].what);
        ASSERT_TRUE(document_.Redo());
        EXPECT_TRUE(BitwiseEqual(design(), states[forward]));
    }
    EXPECT_FALSE(document_.Redo());
}

TEST_F(DesignHistoryTest, ANewChangeAfterAnUndoDropsTheRedoSteps) {
    hull_.displacement.text = "400";
    hull_.Accept();
    const Design afterHull = session_.design;
    prompter_.AnswerChoice(1);
    sensors_.InstallDefaults();
    ASSERT_TRUE(document_.Undo());
    EXPECT_EQ(document_.RedoStep(), "Sensor defaults");

    crew_.AcceptDefaults();
    EXPECT_FALSE(document_.RedoStep());
    EXPECT_EQ(document_.UndoStep(), "Crew defaults");
    ASSERT_TRUE(document_.Undo());
    EXPECT_EQ(document_.UndoStep(), "Accept hull");
    // The crew step started from the design the undo restored, not from the
    // one with the sensors.
    EXPECT_TRUE(BitwiseEqual(session_.design, afterHull));
}

TEST_F(DesignHistoryTest, UndoingBackToTheSavedDesignShowsItSaved) {
    hull_.displacement.text = "400";
    hull_.Accept();
    ASSERT_TRUE(document_.Save((dir_ / "Ship.k2d").string(), std::chrono::sys_days{}).ok());
    hull_.Fill();
    hull_.displacement.text = "600";
    hull_.Accept();
    EXPECT_TRUE(design().DesignChanged);

    ASSERT_TRUE(document_.Undo());
    EXPECT_FALSE(design().DesignChanged) << "the saved design again";
    ASSERT_TRUE(document_.Undo());
    EXPECT_TRUE(design().DesignChanged) << "before the save";
    ASSERT_TRUE(document_.Redo());
    EXPECT_FALSE(design().DesignChanged);

    // A new change where the saved design was a redo step leaves it out of reach.
    ASSERT_TRUE(document_.Undo());
    crew_.AcceptDefaults();
    ASSERT_TRUE(document_.Undo());
    EXPECT_TRUE(design().DesignChanged);
}

TEST_F(DesignHistoryTest, AnUnchangedAcceptLeavesTheMarkAndTheHistory) {
    const int notices = notices_.notices;
    EXPECT_EQ(hull_.Accept(), EditorWindow::Closes);
    crew_.Done();
    EXPECT_FALSE(design().DesignChanged);
    EXPECT_FALSE(document_.UndoStep());
    EXPECT_EQ(notices_.notices, notices);
}

TEST_F(DesignHistoryTest, AtLeastAHundredStepsAreKept) {
    for (int step = 0; step < 120; ++step) {
        hull_.displacement.text = std::to_string(200 + step);
        hull_.Accept();
    }
    int undone = 0;
    while (document_.Undo()) {
        ++undone;
    }
    EXPECT_EQ(undone, static_cast<int>(ui::DesignDocument::kKeptSteps));
    EXPECT_EQ(hull_.displacement.text, "219") << "the oldest 20 steps are forgotten";
}

}  // namespace
}  // namespace korvane::ui_test
