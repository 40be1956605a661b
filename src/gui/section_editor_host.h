#pragma once

#include <QObject>

#include <array>
#include <functional>
#include <memory>

#include "app/session.h"
#include "gui/editor_instance.h"
#include "ui/design_document.h"
#include "ui/editor_table.h"
#include "ui/prompter.h"
#include "ui/section.h"

class QWidget;

namespace korvane::gui {

class AntiHijackEditorView;
class ControlEditorView;
class CraftEditorView;
class CrewEditorView;
class CustomFeaturesEditorView;
class DrivesEditorView;
class ElectronicsEditorView;
class HullEditorView;
class ListEditorView;
class OtherFeaturesMenuView;
class PowerEditorView;
class SensorsEditorView;
class WeaponsEditorView;

// The section editors of the desktop program as separate windows, each made
// on first use from the table of editors and afterwards only hidden and
// shown again. Only one section window is on
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

    // The window of editor `id`, as made on first use.
    QWidget& Window(ui::EditorId id) { return Made(id).View(); }
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
    // The editor's window, made on first use.
    EditorInstance& Made(ui::EditorId id);
    template <typename View>
    View& WindowOf(ui::EditorId id) {
        return static_cast<View&>(Made(id).View());
    }
    // A closed window shows the one its editor was led on to from, or the main window.
    void GoBackFrom(ui::EditorId id);
    // Ctrl+Z undoes the design's last step in the window, Ctrl+Shift+Z and
    // Ctrl+Y redo it, as in the main window.
    void AddHistoryKeys(QWidget& window);

    Session& session_;
    ui::DesignDocument& document_;
    Prompter& prompter_;
    QWidget& main_window_;
    std::function<void(bool)> follow_minimised_;
    // Lets the connections end with the host.
    QObject context_;
    std::array<std::unique_ptr<EditorInstance>, ui::kEditorCount> editors_;
};

}  // namespace korvane::gui
