#include "gui/section_editor_host.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include <utility>

#include "gui/anti_hijack_editor_view.h"
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
#include "gui/sensors_editor_view.h"
#include "gui/weapons_editor_view.h"
#include "ui/main_window_command.h"

namespace korvane::gui {

using ui::EditorId;

SectionEditorHost::SectionEditorHost(Session& session, ui::DesignDocument& document,
                                     Prompter& prompter, QWidget& main_window,
                                     std::function<void(bool)> follow_minimised)
    : session_(session),
      document_(document),
      prompter_(prompter),
      main_window_(main_window),
      follow_minimised_(std::move(follow_minimised)) {}

SectionEditorHost::~SectionEditorHost() = default;

EditorInstance& SectionEditorHost::Made(EditorId id) {
    std::unique_ptr<EditorInstance>& editor = editors_[static_cast<std::size_t>(id)];
    if (!editor) {
        editor = MakeEditor(id, session_, document_, prompter_, EditorPlace::Window);
        editor->closed = [this, id] { GoBackFrom(id); };
        editor->minimised = follow_minimised_;
        // The window has hidden itself: the one it leads on to shows as it stands.
        editor->leads_on = [this](EditorId next) { Made(next).OpenWindow(); };
        AddHistoryKeys(editor->View());
    }
    return *editor;
}

void SectionEditorHost::AddHistoryKeys(QWidget& window) {
    for (const ui::Shortcut& shortcut : ui::kMainWindowShortcuts) {
        if (shortcut.command != ui::MainWindowCommand::Undo &&
            shortcut.command != ui::MainWindowCommand::Redo) {
            continue;
        }
        auto* key =
            new QShortcut(QKeySequence(QString::fromLatin1(
                              shortcut.keys.data(), static_cast<qsizetype>(shortcut.keys.size()))),
                          &window);
        const bool undo = shortcut.command == ui::MainWindowCommand::Undo;
        QObject::connect(key, &QShortcut::activated, &context_,
                         [this, undo] { undo ? document_.Undo() : document_.Redo(); });
    }
}

// The window gone back to shows as the user left it: a form is filled only
// when its section's button opens it.
void SectionEditorHost::GoBackFrom(EditorId id) {
    if (const std::optional<EditorId> parent = ui::EntryOf(id).parent) {
        Made(*parent).View().show();
    } else {
        main_window_.show();
    }
}

void SectionEditorHost::Open(ui::Section section) {
    main_window_.hide();
    Made(ui::EditorOf(section)).OpenWindow();
}

HullEditorView& SectionEditorHost::HullEditor() {
    return WindowOf<HullEditorView>(EditorId::Hull);
}

PowerEditorView& SectionEditorHost::PowerEditor() {
    return WindowOf<PowerEditorView>(EditorId::Power);
}

DrivesEditorView& SectionEditorHost::DrivesEditor() {
    return WindowOf<DrivesEditorView>(EditorId::Drives);
}

ElectronicsEditorView& SectionEditorHost::ElectronicsEditor() {
    return WindowOf<ElectronicsEditorView>(EditorId::Electronics);
}

ControlEditorView& SectionEditorHost::ControlEditor() {
    return WindowOf<ControlEditorView>(EditorId::Control);
}

SensorsEditorView& SectionEditorHost::SensorsEditor() {
    return WindowOf<SensorsEditorView>(EditorId::Sensors);
}

ListEditorView& SectionEditorHost::CommunicatorsEditor() {
    return WindowOf<ListEditorView>(EditorId::Communicators);
}

WeaponsEditorView& SectionEditorHost::WeaponsEditor() {
    return WindowOf<WeaponsEditorView>(EditorId::Weapons);
}

ListEditorView& SectionEditorHost::TurretsEditor() {
    return WindowOf<ListEditorView>(EditorId::Turrets);
}

ListEditorView& SectionEditorHost::BaysEditor() {
    return WindowOf<ListEditorView>(EditorId::Bays);
}

ListEditorView& SectionEditorHost::ScreensEditor() {
    return WindowOf<ListEditorView>(EditorId::Screens);
}

CrewEditorView& SectionEditorHost::CrewEditor() {
    return WindowOf<CrewEditorView>(EditorId::Crew);
}

CraftEditorView& SectionEditorHost::CraftEditor() {
    return WindowOf<CraftEditorView>(EditorId::Craft);
}

OtherFeaturesMenuView& SectionEditorHost::OtherFeaturesMenu() {
    return WindowOf<OtherFeaturesMenuView>(EditorId::Other);
}

AntiHijackEditorView& SectionEditorHost::AntiHijackEditor() {
    return WindowOf<AntiHijackEditorView>(EditorId::AntiHijack);
}

CustomFeaturesEditorView& SectionEditorHost::CustomFeaturesEditor() {
    return WindowOf<CustomFeaturesEditorView>(EditorId::CustomFeatures);
}

}  // namespace korvane::gui
