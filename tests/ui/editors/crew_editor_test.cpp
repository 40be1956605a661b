#include "ui/editors/crew_editor.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "form_editor_test_support.h"
#include "model/number_format.h"
#include "model/text_helpers.h"

namespace korvane::ui {
namespace {

using testing::QuestionKind;
using ui_test::SameDesignFile;

constexpr int kBridge = 1;
constexpr int kMaintenance = 7;
constexpr int kCommand = 8;
constexpr int kHigh = 11;

std::string DefaultColumn(const Label& line) {
    return line.caption.substr(0, 5);
}
std::string ActualColumn(const Label& line) {
    return line.caption.substr(14, 5);
}
char FlagColumn(const Label& line) {
    return line.caption[24];
}

class CrewEditorTest : public ui_test::FormEditorFixture {
protected:
    void SetUp() override {
        FormEditorFixture::SetUp();
        // A hull big enough for a maintenance crew of several.
        design().Slots[Slot::Hull].KL = 1350 * 20;
        Settle();
        design().DesignChanged = false;
        editor_.Fill();
    }

    double Actual(int position) {
        return position <= 10
                   ? design().Slots[Slot::Crew].MISCNUM[static_cast<std::size_t>(position)]
                   : design()
                         .Slots[Slot::PassengersAndCrewTotal]
                         .MISCNUM[static_cast<std::size_t>(position - 10)];
    }
    double Default(int position) {
        return LeadingNumber(
            position <= 10
                ? design().Slots[Slot::Crew].MISCSTR[static_cast<std::size_t>(position)].view()
                : design()
                      .Slots[Slot::PassengersAndCrewTotal]
                      .MISCSTR[static_cast<std::size_t>(position - 10)]
                      .view());
    }
    std::string Flags() { return design().Slots[Slot::PassengersAndCrewTotal].MISCSTR[9].str(); }

    CrewEditor editor_{session_, document_, prompter_};
};

TEST_F(CrewEditorTest, ShowsEachPositionWithItsDefaultActualAndFlag) {
    EXPECT_EQ(editor_.positions[kBridge].caption, "Bridge");
    EXPECT_EQ(editor_.positions[kMaintenance].caption, "Maintainence");
    EXPECT_EQ(editor_.positions[13].caption, "Low/Frozen");
    EXPECT_EQ(editor_.heading.caption, "Default  Actual   Fixed?");

    ASSERT_GE(Default(kMaintenance), 2) << "the test needs a maintenance crew of several";
    const Label& maintenance = editor_.values[kMaintenance];
    EXPECT_EQ(maintenance.caption.size(), 50u);
    EXPECT_EQ(DefaultColumn(maintenance),
              PlainNumber(Default(kMaintenance)) +
                  std::string(5 - PlainNumber(Default(kMaintenance)).size(), ' '));
    EXPECT_EQ(ActualColumn(maintenance), "0    ");
    EXPECT_EQ(FlagColumn(maintenance), ' ') << "a never-set flag shows as a blank, not a NUL";
    EXPECT_EQ(maintenance.colour, kRed) << "no maintenance crew yet, below the default";
    EXPECT_EQ(editor_.values[kHigh].colour, 0) << "no passengers wanted, none set";
    EXPECT_EQ(editor_.total.caption.substr(0, 5).find_first_not_of(' '), 0u);
}

TEST_F(CrewEditorTest, AFixedPositionBelowItsDefaultStaysRedThroughAcceptDefaults) {
    const double maintenance_default = Default(kMaintenance);
    prompter_.AnswerText("1").AnswerYesNo(true);
    editor_.SetPosition(kMaintenance);

    ASSERT_EQ(prompter_.questions().size(), 2u);
    EXPECT_EQ(prompter_.questions()[0].text, "New value for Maintainence");
    EXPECT_EQ(prompter_.questions()[0].initial, "0");
    EXPECT_EQ(prompter_.questions()[1].kind, QuestionKind::YesNo);
    EXPECT_EQ(prompter_.questions()[1].text, "Fix value?");
    EXPECT_EQ(Actual(kMaintenance), 1);
    EXPECT_EQ(Flags(), std::string(6, '\0') + "Y" + std::string(3, '\0'))
        << "the never-set flags of the other positions stay as the file had them";
    EXPECT_EQ(editor_.values[kMaintenance].colour, kRed);
    EXPECT_EQ(FlagColumn(editor_.values[kMaintenance]), 'Y');
    EXPECT_TRUE(design().DesignChanged);

    editor_.AcceptDefaults();
    EXPECT_EQ(Actual(kMaintenance), 1) << "fixed";
    EXPECT_EQ(Default(kMaintenance), maintenance_default);
    EXPECT_EQ(Actual(kBridge), Default(kBridge));
    EXPECT_EQ(editor_.values[kBridge].colour, 0);
    EXPECT_TRUE(Settled());

    // Unfixed, it takes its default again.
    prompter_.AnswerText("1").AnswerYesNo(false);
    editor_.SetPosition(kMaintenance);
    EXPECT_EQ(Flags(), std::string(6, '\0') + "N" + std::string(3, '\0'));
    editor_.AcceptDefaults();
    EXPECT_EQ(Actual(kMaintenance), maintenance_default);
    EXPECT_EQ(editor_.values[kMaintenance].colour, 0);
}

TEST_F(CrewEditorTest, FixValueDefaultsToTheAnswerThatKeepsTheFlagAndSetsThatFlagAlone) {
    struct Case {
        std::string flags;
        int position;
        DefaultAnswer expected_default;
        bool answer;
        std::string flags_after;
    };
    const std::string never_set(10, '\0');
    const Case cases[] = {
        {never_set, kBridge, DefaultAnswer::Yes, false, "N" + std::string(9, '\0')},
        {"NNNNNNYNNN", kMaintenance, DefaultAnswer::Yes, true, "NNNNNNYNNN"},
        {"NNNNNNYNNN", kCommand, DefaultAnswer::No, true, "NNNNNNYYNN"},
        {"YYYYYYYYYN", 10, DefaultAnswer::No, false, "YYYYYYYYYN"},
        {"YYYYYYYYYY", 3, DefaultAnswer::Yes, false, "YYNYYYYYYY"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("flags \"" + c.flags + "\", position " + std::to_string(c.position));
        design().Slots[Slot::PassengersAndCrewTotal].MISCSTR[9] = c.flags;
        editor_.Fill();
        const std::size_t asked = prompter_.questions().size();
        prompter_.AnswerText("2").AnswerYesNo(c.answer);
        editor_.SetPosition(c.position);
        ASSERT_EQ(prompter_.questions().size(), asked + 2);
        EXPECT_EQ(prompter_.questions().back().default_answer, c.expected_default);
        EXPECT_EQ(Flags(), c.flags_after);
    }
}

TEST_F(CrewEditorTest, AcceptDefaultsLeavesTroopsAndPassengersAndStoresTheActualTotal) {
    auto& crew = design().Slots[Slot::Crew].MISCNUM;
    auto& passengers = design().Slots[Slot::PassengersAndCrewTotal].MISCNUM;
    crew[6] = 12;
    passengers[1] = 6;
    passengers[2] = 4;
    passengers[3] = 20;
    Settle();
    editor_.Fill();

    std::array<double, 11> defaults{};
    for (int position = 1; position <= 10; ++position) {
        defaults[static_cast<std::size_t>(position)] = Default(position);
    }
    editor_.AcceptDefaults();
    EXPECT_EQ(crew[6], 12);
    EXPECT_EQ(passengers[1], 6);
    EXPECT_EQ(passengers[2], 4);
    EXPECT_EQ(passengers[3], 20);
    double ten_positions = 0;
    for (int position = 1; position <= 10; ++position) {
        if (position != 6) {
            EXPECT_EQ(Actual(position), defaults[static_cast<std::size_t>(position)])
                << "position " << position;
        }
        ten_positions += Actual(position);
    }
    EXPECT_EQ(design().Slots[Slot::PassengersAndCrewTotal].MISCNUM[10], ten_positions)
        << "the actual total the profile code reads";
    EXPECT_EQ(LeadingNumber(editor_.total.caption.substr(14, 5)), ten_positions);
}

TEST_F(CrewEditorTest, APassengerCountAsksNoFixQuestionAndMovesTheStewardDefault) {
    const double stewards = Default(10);
    prompter_.AnswerText("16");
    editor_.SetPosition(kHigh);
    EXPECT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(Actual(kHigh), 16);
    EXPECT_EQ(Default(10), stewards + 2) << "16 high passengers need two more stewards";
}

TEST_F(CrewEditorTest, AClosedOrUnreadableAnswerChangesNothing) {
    design().Slots[Slot::Crew].MISCNUM[kCommand] = 3;
    Settle();
    design().DesignChanged = false;
    const Design before = design();

    prompter_.AnswerText(std::nullopt);
    editor_.SetPosition(kCommand);
    prompter_.AnswerText("lots");
    editor_.SetPosition(kCommand);

    EXPECT_EQ(prompter_.questions().size(), 3u) << "no fix question; one warning";
    EXPECT_EQ(prompter_.questions()[2].kind, QuestionKind::Message);
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);
    EXPECT_EQ(notices_.notices, 0);

    prompter_.AnswerText("").AnswerYesNo(false);
    editor_.SetPosition(kCommand);
    EXPECT_EQ(Actual(kCommand), 0) << "an empty answer clears the position";
    EXPECT_EQ(notices_.notices, 1);
}

TEST_F(CrewEditorTest, DoneStoresTheEnvironment) {
    editor_.heat_and_light.checked = false;
    editor_.air_and_water.checked = false;
    editor_.food_and_recycling.checked = false;
    editor_.grav_plates.checked = false;
    editor_.inertial_compensation.checked = false;
    editor_.airlocks.text = "0";
    editor_.Done();
    for (int entry = 1; entry <= kEnvironmentMax; ++entry) {
        EXPECT_EQ(design().Environment[static_cast<std::size_t>(entry)].NUMBER, 0) << entry;
    }
    EXPECT_EQ(design().Slots[Slot::Environment].KL, 0);

    editor_.Fill();
    editor_.air_and_water.checked = true;
    editor_.grav_plates.checked = true;
    editor_.airlocks.text = "3 locks";
    editor_.Done();
    const auto& environment = design().Environment;
    EXPECT_EQ(environment[1].NUMBER, 0);
    EXPECT_GT(environment[2].NUMBER, 1) << "a per-kl entry serves the hull's volume";
    EXPECT_EQ(environment[4].NUMBER, 3);
    EXPECT_EQ(environment[5].NUMBER, environment[2].NUMBER);
    EXPECT_EQ(environment[6].NUMBER, 0);
    EXPECT_TRUE(Settled());

    editor_.Fill();
    EXPECT_TRUE(editor_.air_and_water.checked);
    EXPECT_FALSE(editor_.heat_and_light.checked);
    EXPECT_EQ(editor_.airlocks.text, "3");
}

TEST_F(CrewEditorTest, ATickedEntryTheDesignNeverHadTakesTheCatalogRow) {
    design().Environment[5] = BlankRecord;
    design().Environment[4] = BlankRecord;
    editor_.Fill();
    editor_.grav_plates.checked = true;
    editor_.airlocks.text = "2";
    editor_.Done();
    EXPECT_EQ(design().Environment[5].LABEL, FixedText<20>("Grav Plates"));
    EXPECT_GT(design().Environment[5].NUMBER, 0);
    EXPECT_EQ(design().Environment[4].LABEL, FixedText<20>("Airlock"));
    EXPECT_EQ(design().Slots[Slot::Environment].KL,
              2 * 13.5 + design().Environment[2].KL * design().Environment[2].NUMBER +
                  design().Environment[3].KL * design().Environment[3].NUMBER +
                  design().Environment[6].KL * design().Environment[6].NUMBER);

    editor_.Fill();
    editor_.airlocks.text = "two";
    editor_.Done();
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(prompter_.questions()[0].text, "\"two\" is not a number; the airlocks stay 2.");
    EXPECT_EQ(design().Environment[4].NUMBER, 2);

    editor_.Fill();
    editor_.airlocks.text = "-2";
    editor_.Done();
    EXPECT_EQ(design().Environment[4].NUMBER, 0) << "no negative airlocks";
}

TEST_F(CrewEditorTest, FillAndDoneLeaveTheDesignAsItWas) {
    const Design before = design();
    editor_.Fill();
    editor_.Done();
    EXPECT_TRUE(SameDesignFile(design(), before));
    EXPECT_FALSE(design().DesignChanged);

    // A tick is stored at once, and marks the design only when it changes it.
    const int notices = notices_.notices;
    editor_.EnvironmentEdited();
    EXPECT_FALSE(design().DesignChanged);
    EXPECT_EQ(notices_.notices, notices);
    editor_.grav_plates.checked = !editor_.grav_plates.checked;
    editor_.EnvironmentEdited();
    EXPECT_TRUE(design().DesignChanged);
    EXPECT_EQ(notices_.notices, notices + 1);
}

TEST_F(CrewEditorTest, AccommodationIsInstalledWithPromptA) {
    ASSERT_GT(editor_.accommodation.available.Count(), 0);
    EXPECT_EQ(editor_.accommodation.available.Text(0), "Stateroom           ");
    prompter_.AnswerChoice(4);
    editor_.accommodation.available.Select(0);
    editor_.accommodation.InstallSelected();

    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(prompter_.questions()[0].title, "Install how many?");
    EXPECT_EQ(prompter_.questions()[0].options.back(), "10");
    EXPECT_EQ(design().Accommodations[1].NUMBER, 4);
    EXPECT_EQ(design().Slots[Slot::Accommodation].KL, 4 * 54);
    EXPECT_EQ(design().Slots[Slot::Accommodation].TONS, 4 * 54) << "the volume counts as the mass";
    ASSERT_EQ(editor_.accommodation.installed.Count(), 1);
    EXPECT_EQ(editor_.accommodation.installed.Text(0), "Stateroom            x4");
    EXPECT_TRUE(Settled());

    editor_.accommodation.installed.Select(0);
    prompter_.AnswerChoice(1);
    editor_.accommodation.ModifySelected();
    EXPECT_EQ(prompter_.questions().back().title, "Modify Accommodation");
    EXPECT_EQ(editor_.accommodation.installed.Count(), 0);
}

}  // namespace
}  // namespace korvane::ui
