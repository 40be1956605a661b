// What the user changed in an open form editor, and when it is stored: kept
// across every change of the design until "Accept" or "Cancel" (the separate
// windows), or stored control by control as named, folding steps (the
// editors in a panel).

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "form_editor_test_support.h"
#include "ui/editors/control_editor.h"
#include "ui/editors/crew_editor.h"
#include "ui/editors/drives_editor.h"
#include "ui/editors/electronics_editor.h"
#include "ui/editors/hull_editor.h"
#include "ui/editors/power_editor.h"
#include "ui/editors/sensors_editor.h"
#include "ui/editors/turrets_editor.h"
#include "ui/editors/weapons_editor.h"

namespace korvane::ui_test {
namespace {

using ui::CommitPolicy;
using ui::CommitResult;

class FormEditsTest : public FormEditorFixture {
protected:
    void SetUp() override {
        FormEditorFixture::SetUp();
        FillAll();
    }

    void FillAll() {
        hull_.Fill();
        power_.Fill();
        drives_.Fill();
        electronics_.Fill();
        weapons_.Fill();
        control_.Fill();
        crew_.Fill();
    }

    void Immediately() {
        for (ui::FormEditor* editor : std::initializer_list<ui::FormEditor*>{
                 &hull_, &power_, &drives_, &electronics_, &weapons_, &control_}) {
            editor->SetCommitPolicy(CommitPolicy::Immediate);
        }
        crew_.SetCommitPolicy(CommitPolicy::Immediate);
    }

    // The list editors under the forms change the design as the user leaves them.
    void InstallSensor() {
        sensors_.Load();
        sensors_.Activate();
        prompter_.AnswerChoice(1);
        sensors_.available.Select(0);
        sensors_.InstallSelected();
    }
    void InstallTurret() {
        turrets_.Load();
        turrets_.Activate();
        prompter_.AnswerChoice(1).AnswerChoice(1);
        for (int row = 0; row < turrets_.available.Count(); ++row) {
            if (turrets_.available.Text(row).starts_with("Single Missile Rack")) {
                turrets_.available.Select(row);
            }
        }
        turrets_.InstallSelected();
        weapons_.Activate();  // "Done" leads back to the weapon systems
    }
    void InstallStateroom() {
        prompter_.AnswerChoice(1);
        crew_.accommodation.available.Select(0);
        crew_.accommodation.InstallSelected();
    }

    // Types the hull's displacement and the crew's airlocks, and commits each.
    std::pair<CommitResult, CommitResult> TypeAndCommit(const char* displacement,
                                                        const char* airlocks) {
        hull_.displacement.text = displacement;
        hull_.Edited(hull_.displacement);
        crew_.airlocks.text = airlocks;
        return {hull_.Commit(hull_.displacement), crew_.Commit(crew_.airlocks)};
    }
    static std::pair<CommitResult, CommitResult> Both(CommitResult result) {
        return {result, result};
    }

    // Another editor's step on a part of the design a form shows.
    void Step(const std::function<void(Design&)>& change) { document_.Change("Elsewhere", change); }

    ui::HullEditor hull_{session_, document_, prompter_};
    ui::PowerEditor power_{session_, document_, prompter_};
    ui::DrivesEditor drives_{session_, document_, prompter_};
    ui::ElectronicsEditor electronics_{session_, document_, prompter_};
    ui::WeaponsEditor weapons_{session_, document_, prompter_};
    ui::ControlEditor control_{session_, document_, prompter_};
    ui::CrewEditor crew_{session_, document_, prompter_};
    ui::SensorsEditor sensors_{session_, document_, prompter_};
    ui::TurretsEditor turrets_{session_, document_, prompter_};
};

int PositionOfTechLevel(const Design& design) {
    return design.DesignTL() - 9;  // the list starts at tech level 9
}

// A control the user changed, a list editor under the same form changing the
// design, and another step changing a part the form shows in a control the
// user did not touch.
struct KeptEdit {
    const char* what;
    std::function<void()> edit;
    std::function<void()> list_change;
    std::function<void(Design&)> elsewhere;
    std::function<bool()> untouched_follows;
    std::function<void()> accept;
    std::function<bool(const Design&)> stored;
};

TEST_F(FormEditsTest, WhatTheUserChangedSurvivesListEditorsAndIsStoredByAccept) {
    const std::vector<KeptEdit> cases = {
        {"avionics chosen, then sensors installed",
         [this] {
             electronics_.avionics.Select(3);
             electronics_.Edited(electronics_.avionics);
         },
         [this] { InstallSensor(); }, [](Design& d) { d.Slots[Slot::EmMask].NUMBER = 1; },
         [this] { return electronics_.em_mask.checked; }, [this] { electronics_.Accept(); },
         [](const Design& d) {
             return d.Slots[Slot::Avionics].IDNUM == 3 && d.Slots[Slot::EmMask].NUMBER == 1;
         }},
        {"EM mask ticked, then sensors installed",
         [this] {
             electronics_.em_mask.checked = true;
             electronics_.Edited(electronics_.em_mask);
         },
         [this] { InstallSensor(); },
         [this](Design& d) {
             d.Slots[Slot::Avionics] = catalog().LookupComponent("AV", 2);
             d.Slots[Slot::Avionics].NUMBER = 1;
         },
         [this] { return electronics_.avionics.Selected() == 2; },
         [this] { electronics_.Accept(); },
         [](const Design& d) {
             return d.Slots[Slot::EmMask].NUMBER == 1 && d.Slots[Slot::Avionics].IDNUM == 2;
         }},
        {"HE rounds typed, then a turret installed",
         [this] {
             weapons_.he_rounds.text = "5";
             weapons_.Edited(weapons_.he_rounds);
         },
         [this] { InstallTurret(); }, [](Design& d) { d.Slots[Slot::Magazine].MISCNUM[2] = 7; },
         [this] { return weapons_.atomic_rounds.text == "7"; }, [this] { weapons_.Accept(); },
         [](const Design& d) {
             return d.Slots[Slot::Magazine].MISCNUM[1] == 5 &&
                    d.Slots[Slot::Magazine].MISCNUM[2] == 7;
         }},
        {"spinal mount chosen, then a turret installed",
         [this] {
             weapons_.spinal_mount.Select(2);
             weapons_.Edited(weapons_.spinal_mount);
         },
         [this] { InstallTurret(); }, [](Design& d) { d.Slots[Slot::Magazine].MISCNUM[3] = 4; },
         [this] { return weapons_.antimatter_rounds.text == "4"; }, [this] { weapons_.Accept(); },
         [](const Design& d) {
             return d.Slots[Slot::SpinalMount].IDNUM == 2 &&
                    d.Slots[Slot::Magazine].MISCNUM[3] == 4;
         }},
        {"airlocks typed, then a stateroom installed", [this] { crew_.airlocks.text = "7"; },
         [this] { InstallStateroom(); },
         [](Design& d) {
             d.Environment[5].NUMBER = d.Environment[5].NUMBER != 0 ? 0 : 1;
             d.Environment[4].NUMBER = 13;  // as a resized hull recounts them
         },
         [this] { return crew_.grav_plates.checked == (design().Environment[5].NUMBER != 0); },
         [this] { crew_.Done(); }, [](const Design& d) { return d.Environment[4].NUMBER == 7; }},
    };
    for (const KeptEdit& each : cases) {
        SCOPED_TRACE(each.what);
        document_.MakeNew();
        FillAll();
        each.edit();
        const Design before = design();
        each.list_change();
        ASSERT_FALSE(SameDesignFile(design(), before)) << "the list editor changed the design";
        Step(each.elsewhere);
        EXPECT_TRUE(each.untouched_follows()) << "a control not changed shows the design";
        each.accept();
        EXPECT_TRUE(each.stored(design())) << "stored as the user left it";
    }
}

// The figures "Done" of a list editor refreshes follow the design, and the
// magazine total the rounds typed.
TEST_F(FormEditsTest, TheWeaponFiguresFollowAListEditorsChangeBesideTheTypedRounds) {
    const std::string factors = weapons_.factors.turrets.caption;
    weapons_.he_rounds.text = "5";
    weapons_.Edited(weapons_.he_rounds);
    weapons_.RoundsChanged();
    ASSERT_EQ(weapons_.magazine_total.caption, "Total: 0 missiles") << "no missiles yet";
    InstallTurret();
    EXPECT_NE(weapons_.factors.turrets.caption, factors);
    EXPECT_EQ(weapons_.he_rounds.text, "5");
    EXPECT_EQ(design().Slots[Slot::Magazine].NUMBER, 1) << "one missile a round";
    EXPECT_EQ(weapons_.magazine_total.caption, "Total: 5 missiles");
}

TEST_F(FormEditsTest, AnUndoShowsInAnEditedFormOnlyWhereTheUserChangedNothing) {
    const Design opened = design();
    hull_.tech_level.Select(3);
    ASSERT_EQ(hull_.Accept(), ui::EditorWindow::Closes);
    hull_.Fill();
    hull_.displacement.text = "2000";
    hull_.Edited(hull_.displacement);

    ASSERT_TRUE(document_.Undo());
    EXPECT_EQ(hull_.tech_level.Selected(), PositionOfTechLevel(opened)) << "follows the undo";
    EXPECT_EQ(hull_.displacement.text, "2000") << "the user's number stays";
    ASSERT_EQ(hull_.Accept(), ui::EditorWindow::Closes);
    EXPECT_EQ(design().Slots[Slot::Hull].KL, 2000 * kKlPerTon);
    EXPECT_EQ(design().DesignTL(), opened.DesignTL());

    // "Cancel" forgets the change: the next notice shows the design.
    hull_.Fill();
    hull_.displacement.text = "3000";
    hull_.Edited(hull_.displacement);
    hull_.Cancel();
    EXPECT_EQ(hull_.displacement.text, "2000");
}

TEST_F(FormEditsTest, UnderOnAcceptACommitOnlyKeepsTheUsersValue) {
    const Design opened = design();
    EXPECT_EQ(TypeAndCommit("2000", "9"), Both(CommitResult::Unchanged));
    EXPECT_TRUE(SameDesignFile(design(), opened));
    EXPECT_FALSE(document_.UndoStep());
    Step([](Design& d) { d.Slots[Slot::FuelScoops].NUMBER = 1; });
    EXPECT_EQ(hull_.displacement.text, "2000");
    EXPECT_EQ(crew_.airlocks.text, "9");
}

// One control of each editor, set as a user would and committed.
struct LiveEdit {
    const char* step;
    std::function<CommitResult()> edit_and_commit;
};

TEST_F(FormEditsTest, EachCommittedControlIsOneNamedStepThatUndoesAlone) {
    const auto type = [](ui::FormEditor& editor, ui::TextBox& box, const char* text) {
        return [&editor, &box, text] {
            box.text = text;
            editor.Edited(box);
            return editor.Commit(box);
        };
    };
    const auto pick = [](ui::FormEditor& editor, ui::ListBox& list, int row) {
        return [&editor, &list, row] {
            list.Select(row);
            editor.Edited(list);
            return editor.Commit(list);
        };
    };
    const auto tick = [](ui::FormEditor& editor, ui::CheckBox& box) {
        return [&editor, &box] {
            box.checked = !box.checked;
            editor.Edited(box);
            return editor.Commit(box);
        };
    };
    const std::vector<LiveEdit> cases = {
        {"Set displacement to 2,000 tons", type(hull_, hull_.displacement, "2000 tons")},
        {"Set description to Kestrel", type(hull_, hull_.description, "Kestrel  ")},
        {"Choose armour type Ceramic Matrix (TL 10)", pick(hull_, hull_.armour_type, 2)},
        {"Choose streamlining Airframe", pick(hull_, hull_.streamlining, 2)},
        {"Untick 'Free' armour", tick(hull_, hull_.free_armour)},
        {"Set size in KL to 1,234.5", type(power_, power_.plant_size, "1234.5")},
        {"Tick Sensors", tick(power_, power_.exclusions[ui::PowerEditor::kSensors])},
        {"Choose jump drive Jump-2", pick(drives_, drives_.jump_drive, 2)},
        {"Tick Scoops", tick(drives_, drives_.scoops)},
        {"Choose avionics Avionics-Advanced", pick(electronics_, electronics_.avionics, 3)},
        {"Tick EM Mask", tick(electronics_, electronics_.em_mask)},
        {"Set battery rounds HE missiles to 12", type(weapons_, weapons_.he_rounds, "12")},
        {"Set heads-up display-9 to 3", type(control_, control_.heads_up_displays, "3")},
        {"Tick Auxiliary Bridge", tick(control_, control_.auxiliary_bridge)},
        {"Set airlocks to 5",
         [this] {
             crew_.airlocks.text = "5";
             return crew_.Commit(crew_.airlocks);
         }},
    };
    Immediately();
    for (const LiveEdit& each : cases) {
        SCOPED_TRACE(each.step);
        document_.MakeNew();
        FillAll();
        const Design before = design();
        EXPECT_EQ(each.edit_and_commit(), CommitResult::Stored);
        EXPECT_EQ(document_.UndoStep(), each.step);
        EXPECT_TRUE(Settled());
        ASSERT_TRUE(document_.Undo());
        EXPECT_FALSE(document_.UndoStep()) << "exactly one step";
        EXPECT_TRUE(SameDesignFile(design(), before));
    }
    EXPECT_TRUE(prompter_.questions().empty());
}

TEST_F(FormEditsTest, RepeatedCommitsOfOneFieldFoldUnlessAStepComesBetween) {
    Immediately();
    const Design opened = design();
    for (const char* tons : {"2000", "3000", "4000"}) {
        hull_.displacement.text = tons;
        hull_.Edited(hull_.displacement);
        ASSERT_EQ(hull_.Commit(hull_.displacement), CommitResult::Stored);
    }
    EXPECT_EQ(document_.UndoStep(), "Set displacement to 4,000 tons");
    EXPECT_EQ(design().Slots[Slot::Hull].KL, 4000 * kKlPerTon);

    // Another control of the same editor is another field.
    hull_.tech_level.Select(4);
    hull_.Edited(hull_.tech_level);
    ASSERT_EQ(hull_.Commit(hull_.tech_level), CommitResult::Stored);
    hull_.displacement.text = "5000";
    hull_.Edited(hull_.displacement);
    ASSERT_EQ(hull_.Commit(hull_.displacement), CommitResult::Stored);

    ASSERT_TRUE(document_.Undo());
    EXPECT_EQ(design().Slots[Slot::Hull].KL, 4000 * kKlPerTon);
    ASSERT_TRUE(document_.Undo());
    ASSERT_TRUE(document_.Undo());
    EXPECT_TRUE(SameDesignFile(design(), opened)) << "the three first edits were one step";
    EXPECT_FALSE(document_.UndoStep());
}

TEST_F(FormEditsTest, ABadNumberStoresNothingSaysNothingAndStaysForTheUserToMend) {
    Immediately();
    const Design opened = design();
    EXPECT_EQ(TypeAndCommit("two thousand", "some"), Both(CommitResult::NotANumber));
    EXPECT_TRUE(SameDesignFile(design(), opened));
    EXPECT_TRUE(prompter_.questions().empty()) << "no message box";

    // Another control is stored alone: the bad number is not read as 0.
    hull_.tech_level.Select(4);
    hull_.Edited(hull_.tech_level);
    ASSERT_EQ(hull_.Commit(hull_.tech_level), CommitResult::Stored);
    EXPECT_EQ(design().Slots[Slot::Hull].KL, opened.Slots[Slot::Hull].KL);
    EXPECT_EQ(hull_.displacement.text, "two thousand");
    EXPECT_EQ(crew_.airlocks.text, "some");
}

TEST_F(FormEditsTest, ARefusedValueIsSaidAndStoresNothing) {
    Immediately();
    const Design opened = design();
    weapons_.he_rounds.text = "-3";
    weapons_.Edited(weapons_.he_rounds);
    EXPECT_EQ(weapons_.Commit(weapons_.he_rounds), CommitResult::Refused);
    ASSERT_EQ(prompter_.questions().size(), 1U);
    EXPECT_TRUE(SameDesignFile(design(), opened));
    EXPECT_EQ(weapons_.he_rounds.text, "-3");
}

TEST_F(FormEditsTest, UseSuggestedAndDefaultsAreStoredAtOnceInAPanel) {
    Immediately();
    Step([](Design& d) { d.Slots[Slot::ManeuverDrive].USP = "2"; });  // the drives need power
    power_.plant.Select(6);
    power_.Edited(power_.plant);
    ASSERT_EQ(power_.Commit(power_.plant), CommitResult::Stored);
    EXPECT_EQ(document_.UndoStep(), "Choose power plant Fusion Plant");
    power_.UseSuggestedSize();
    ASSERT_NE(power_.plant_size.text, "0");
    EXPECT_EQ(document_.UndoStep(), "Set size in KL to " + power_.plant_size.text);
    power_.Defaults();
    EXPECT_EQ(document_.UndoStep(), "Extended endurance defaults");
    EXPECT_EQ(design().Slots[Slot::PlantFuel].MISCSTR[2].str().substr(0, 9), "000110000");
}

}  // namespace
}  // namespace korvane::ui_test
