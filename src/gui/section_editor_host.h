#pragma once

#include <QObject>

#include <memory>

#include "app/session.h"
#include "ui/design_document.h"
#include "ui/editors/anti_hijack_editor.h"
#include "ui/editors/bays_editor.h"
#include "ui/editors/communicators_editor.h"
#include "ui/editors/control_editor.h"
#include "ui/editors/craft_editor.h"
#include "ui/editors/crew_editor.h"
#include "ui/editors/custom_features_editor.h"
#include "ui/editors/drives_editor.h"
#include "ui/editors/electronics_editor.h"
#include "ui/editors/hull_editor.h"
#include "ui/editors/other_features_menu.h"
#include "ui/editors/power_editor.h"
#include "ui/editors/screens_editor.h"
#include "ui/editors/sensors_editor.h"
#include "ui/editors/turrets_editor.h"
#include "ui/editors/weapons_editor.h"
#include "ui/main_window_command.h"
#include "ui/prompter.h"

class QWidget;

namespace korvane::gui {

class AntiHijackEditorView;
class ControlEditorView;
class CraftEditorView;
class CrewEditorView;
class CustomFeaturesEditorView;
class DrivesEditorView;
class ElectronicsEditorView;
class FormEditorView;
class HullEditorView;
class ListEditorView;
class OtherFeaturesMenuView;
class PowerEditorView;
class SensorsEditorView;
class WeaponsEditorView;

// The section editors of the desktop program, each window made on first use
// and afterwards only hidden and shown again. Only one section window is on
// screen at a time: opening an editor hides the main window, an editor that
// leads on to another hides itself, and closing an editor shows the window it
// came from. The totals window follows the minimise state of whichever
// editor is on screen.
class SectionEditorHost {
public:
    // `follow_minimised` hides (true) or shows (false) the totals window.
    SectionEditorHost(Session& session, ui::DesignDocument& document, Prompter& prompter,
                      QWidget& main_window, std::function<void(bool)> follow_minimised);
    ~SectionEditorHost();
    SectionEditorHost(const SectionEditorHost&) = delete;
    SectionEditorHost& operator=(const SectionEditorHost&) = delete;

    // The main window's section button: the section's editor, filled from the design.
    void Open(ui::Section section);
    void OpenHullEditor();
    void OpenPowerEditor();
    void OpenDrivesEditor();
    void OpenElectronicsEditor();
    void OpenWeaponsEditor();
    void OpenControlEditor();
    void OpenCrewEditor();
    void OpenCraftEditor();
    void OpenOtherFeaturesMenu();

    // The windows, as made on first use.
    HullEditorView& HullEditor();
    PowerEditorView& PowerEditor();
    DrivesEditorView& DrivesEditor();
    ElectronicsEditorView& ElectronicsEditor();
    ControlEditorView& ControlEditor();
    SensorsEditorView& SensorsEditor();
    ListEditorView& CommunicatorsEditor();
    WeaponsEditorView& WeaponsEditor();
    ListEditorView& TurretsEditor();
    ListEditorView& BaysEditor();
    ListEditorView& ScreensEditor();
    CrewEditorView& CrewEditor();
    CraftEditorView& CraftEditor();
    OtherFeaturesMenuView& OtherFeaturesMenu();
    AntiHijackEditorView& AntiHijackEditor();
    CustomFeaturesEditorView& CustomFeaturesEditor();

private:
    template <typename Logic, typename View>
    struct Window {
        std::unique_ptr<Logic> logic;
        std::unique_ptr<View> view;
    };

    // The window, made on first use.
    template <typename Logic, typename View>
    View& Made(Window<Logic, View>& window);
    // Closing a form editor shows the main window again; "Done" in a list
    // editor shows the window it names.
    void GoBackFrom(FormEditorView& editor);
    void GoBackFrom(ListEditorView& editor);
    void GoBackFrom(CrewEditorView& editor);
    void ShowAgain(ui::ParentWindow window);
    // Ctrl+Z undoes the design's last step in the window, Ctrl+Shift+Z and
    // Ctrl+Y redo it, as in the main window.
    void AddHistoryKeys(QWidget& window);
    // Hides the main window and shows the editor, filled from the design.
    void Open(FormEditorView& editor);
    // Shows a window another led on to (or the main window, which is hidden
    // first); that one has hidden itself.
    void LeadOn(QWidget& window);

    Session& session_;
    ui::DesignDocument& document_;
    Prompter& prompter_;
    QWidget& main_window_;
    std::function<void(bool)> follow_minimised_;
    // Lets the connections end with the host.
    QObject context_;

    Window<ui::HullEditor, HullEditorView> hull_;
    Window<ui::PowerEditor, PowerEditorView> power_;
    Window<ui::DrivesEditor, DrivesEditorView> drives_;
    Window<ui::ElectronicsEditor, ElectronicsEditorView> electronics_;
    Window<ui::ControlEditor, ControlEditorView> control_;
    Window<ui::SensorsEditor, SensorsEditorView> sensors_;
    Window<ui::CommunicatorsEditor, ListEditorView> communicators_;
    Window<ui::WeaponsEditor, WeaponsEditorView> weapons_;
    Window<ui::TurretsEditor, ListEditorView> turrets_;
    Window<ui::BaysEditor, ListEditorView> bays_;
    Window<ui::ScreensEditor, ListEditorView> screens_;
    Window<ui::CrewEditor, CrewEditorView> crew_;
    Window<ui::CraftEditor, CraftEditorView> craft_;
    Window<ui::OtherFeaturesMenu, OtherFeaturesMenuView> other_features_;
    Window<ui::AntiHijackEditor, AntiHijackEditorView> anti_hijack_;
    Window<ui::CustomFeaturesEditor, CustomFeaturesEditorView> custom_features_;
};

}  // namespace korvane::gui
