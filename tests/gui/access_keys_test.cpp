// Every window of the program reaches each of its controls by its own access
// key: the list editors with their own buttons, the form editors, the menus,
// the main, totals, batch and text windows.
#include <QWidget>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "gui/access_keys.h"
#include "gui/anti_hijack_editor_view.h"
#include "gui/batch_window_view.h"
#include "gui/control_editor_view.h"
#include "gui/craft_editor_view.h"
#include "gui/crew_editor_view.h"
#include "gui/custom_features_editor_view.h"
#include "gui/drives_editor_view.h"
#include "gui/electronics_editor_view.h"
#include "gui/hull_editor_view.h"
#include "gui/list_editor_view.h"
#include "gui/other_features_menu_view.h"
#include "gui/power_editor_view.h"
#include "gui/section_editor_host.h"
#include "gui/sensors_editor_view.h"
#include "gui/text_window_view.h"
#include "gui/weapons_editor_view.h"
#include "program_fixture.h"
#include "ui/scripted_desktop.h"

namespace korvane::gui_test {
namespace {

using AccessKeysTest = ProgramTest;

TEST_F(AccessKeysTest, EveryWindowGivesEachAccessKeyToOneControl) {
    ASSERT_TRUE(Start());
    gui::SectionEditorHost& editors = program_.SectionEditors();
    ui_test::ScriptedDesktop desktop;
    ui::TextWindow text_logic{desktop};
    gui::TextWindowView text_window{text_logic};
    const std::vector<std::pair<const char*, QWidget*>> windows = {
        {"main window", &Main()},
        {"totals window", &Totals()},
        {"batch window", &program_.BatchWindow()},
        {"text window", &text_window},
        {"hull editor", &editors.HullEditor()},
        {"power editor", &editors.PowerEditor()},
        {"drives editor", &editors.DrivesEditor()},
        {"electronics editor", &editors.ElectronicsEditor()},
        {"sensors editor", &editors.SensorsEditor()},
        {"communicators editor", &editors.CommunicatorsEditor()},
        {"weapon systems editor", &editors.WeaponsEditor()},
        {"turrets editor", &editors.TurretsEditor()},
        {"bay weapons editor", &editors.BaysEditor()},
        {"screens editor", &editors.ScreensEditor()},
        {"control editor", &editors.ControlEditor()},
        {"crew window", &editors.CrewEditor()},
        {"craft editor", &editors.CraftEditor()},
        {"other features menu", &editors.OtherFeaturesMenu()},
        {"anti-hijack editor", &editors.AntiHijackEditor()},
        {"custom features editor", &editors.CustomFeaturesEditor()},
    };
    for (const auto& [name, window] : windows) {
        EXPECT_TRUE(DistinctAccessKeys(*window)) << name;
    }
}

}  // namespace
}  // namespace korvane::gui_test
