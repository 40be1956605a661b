// A small ship built from the new design through the section editors' logic
// alone, as a user builds one: hull, drives, electronics, weapons, crew and
// power, each by its editor's controls and questions. It must come out sound.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/status_summary.h"
#include "form_editor_test_support.h"
#include "model/number_format.h"
#include "model/text_helpers.h"
#include "ui/editors/crew_editor.h"
#include "ui/editors/drives_editor.h"
#include "ui/editors/electronics_editor.h"
#include "ui/editors/hull_editor.h"
#include "ui/editors/power_editor.h"
#include "ui/editors/turrets_editor.h"
#include "ui/editors/weapons_editor.h"

namespace korvane::ui {
namespace {

constexpr int kFusionPlantRow = 6;  // PP id 7, "Fusion Plant", TL 12

class ShipFromTheEditorsTest : public ui_test::FormEditorFixture {};

TEST_F(ShipFromTheEditorsTest, ASmallTraderComesOutSound) {
    HullEditor hull{session_, document_, prompter_};
    hull.Fill();
    hull.displacement.text = "400";
    ASSERT_EQ(hull.Accept(), EditorWindow::Closes);

    DrivesEditor drives{session_, document_, prompter_};
    drives.Fill();
    drives.jump_drive.Select(2);
    drives.maneuver_drive.Select(2);
    drives.scoops.checked = true;
    ASSERT_EQ(drives.Accept(), EditorWindow::Closes);

    ElectronicsEditor electronics{session_, document_, prompter_};
    electronics.Fill();
    electronics.avionics.Select(1);
    ASSERT_EQ(electronics.Accept(), EditorWindow::Closes);

    WeaponsEditor weapons{session_, document_, prompter_};
    weapons.Fill();
    TurretsEditor turrets{session_, document_, prompter_};
    turrets.Load();
    turrets.Activate();
    prompter_.AnswerChoice(2).AnswerChoice(1);  // two turrets, one battery
    turrets.available.Select(0);
    turrets.InstallSelected();
    ASSERT_EQ(turrets.installed.Count(), 1);
    weapons.Fill();
    ASSERT_EQ(weapons.Accept(), EditorWindow::Closes);

    CrewEditor crew{session_, document_, prompter_};
    crew.Fill();
    prompter_.AnswerChoice(4);  // four staterooms
    crew.accommodation.available.Select(0);
    crew.accommodation.InstallSelected();
    crew.airlocks.text = "2";
    crew.Done();

    PowerEditor power{session_, document_, prompter_};
    power.Fill();
    power.plant.Select(kFusionPlantRow);
    power.plant_size.text = "1";
    ASSERT_EQ(power.Accept(), EditorWindow::Closes);
    power.Fill();
    power.PlantSizeChanged();
    const double suggested = LeadingNumber(power.suggested_size.caption);
    ASSERT_GT(suggested, 0);
    power.plant_size.text = PlainNumber(std::ceil(suggested * 1.25));
    ASSERT_EQ(power.Accept(), EditorWindow::Closes);

    // The crew takes its defaults last, when the ship is whole.
    crew.Fill();
    crew.AcceptDefaults();
    crew.Done();

    const Design& ship = design();
    EXPECT_EQ(ship.DesignValid(), 1) << ::testing::PrintToString(ship.Problems);
    EXPECT_TRUE(ship.Problems.empty()) << ::testing::PrintToString(ship.Problems);
    EXPECT_EQ(ship.HullKL(), 400 * kKlPerTon);
    EXPECT_LE(ship.UsedKL(), ship.HullKL());
    EXPECT_LE(ship.UsedMW(), ship.AvailableMW());
    EXPECT_LE(ship.UsedHardpoints(), ship.Hardpoints());
    EXPECT_GT(ship.Slots[Slot::JumpFuel].KL, 0) << "jump-2 takes fuel";
    EXPECT_GT(ship.Slots[Slot::Weapons].KL, 0);
    EXPECT_EQ(ship.Slots[Slot::Accommodation].KL, 4 * 54);
    EXPECT_EQ(ship.Environment[4].NUMBER, 2);
    EXPECT_GT(ship.Slots[Slot::PassengersAndCrewTotal].MISCNUM[10], 0) << "a crew aboard";
    EXPECT_TRUE(Settled());
    EXPECT_TRUE(ship.DesignChanged);
}

}  // namespace
}  // namespace korvane::ui
