#include "gui/section_editor_host.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include <array>
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

namespace korvane::gui {

SectionEditorHost::SectionEditorHost(Session& session, ui::DesignDocument& document,
                                     Prompter& prompter, QWidget& main_window,
                                     std::function<void(bool)> follow_minimised)
    : session_(session),
      document_(document),
      prompter_(prompter),
      main_window_(main_window),
      follow_minimised_(std::move(follow_minimised)) {}

SectionEditorHost::~SectionEditorHost() = default;

template <typename Logic, typename View>
View& SectionEditorHost::Made(Window<Logic, View>& window) {
    if (!window.view) {
        window.logic = std::make_unique<Logic>(session_, document_, prompter_);
        window.view = std::make_unique<View>(*window.logic);
        QObject::connect(window.view.get(), &View::minimisedChanged, &context_, follow_minimised_);
        GoBackFrom(*window.view);
        AddHistoryKeys(*window.view);
    }
    return *window.view;
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

void SectionEditorHost::GoBackFrom(FormEditorView& editor) {
    QObject::connect(&editor, &FormEditorView::closed, &context_, [this] { main_window_.show(); });
}

void SectionEditorHost::GoBackFrom(ListEditorView& editor) {
    QObject::connect(&editor, &ListEditorView::done, &context_,
                     [this](ui::ParentWindow back_to) { ShowAgain(back_to); });
}

void SectionEditorHost::GoBackFrom(CrewEditorView& editor) {
    QObject::connect(&editor, &CrewEditorView::done, &context_,
                     [this](ui::ParentWindow back_to) { ShowAgain(back_to); });
}

void SectionEditorHost::ShowAgain(ui::ParentWindow window) {
    switch (window) {
        case ui::ParentWindow::ElectronicsEditor:
            ElectronicsEditor().show();
            return;
        case ui::ParentWindow::WeaponSystemsEditor:
            WeaponsEditor().show();
            return;
        case ui::ParentWindow::OtherFeaturesMenu:
            OtherFeaturesMenu().show();
            return;
        case ui::ParentWindow::MainWindow:
            main_window_.show();
            return;
    }
}

HullEditorView& SectionEditorHost::HullEditor() {
    return Made(hull_);
}

PowerEditorView& SectionEditorHost::PowerEditor() {
    return Made(power_);
}

DrivesEditorView& SectionEditorHost::DrivesEditor() {
    return Made(drives_);
}

ControlEditorView& SectionEditorHost::ControlEditor() {
    return Made(control_);
}

ElectronicsEditorView& SectionEditorHost::ElectronicsEditor() {
    if (!electronics_.view) {
        ElectronicsEditorView& view = Made(electronics_);
        QObject::connect(&view, &ElectronicsEditorView::sensorsRequested, &context_,
                         [this] { LeadOn(SensorsEditor()); });
        QObject::connect(&view, &ElectronicsEditorView::communicatorsRequested, &context_,
                         [this] { LeadOn(CommunicatorsEditor()); });
    }
    return *electronics_.view;
}

SensorsEditorView& SectionEditorHost::SensorsEditor() {
    return Made(sensors_);
}

ListEditorView& SectionEditorHost::CommunicatorsEditor() {
    return Made(communicators_);
}

WeaponsEditorView& SectionEditorHost::WeaponsEditor() {
    if (!weapons_.view) {
        WeaponsEditorView& view = Made(weapons_);
        QObject::connect(&view, &WeaponsEditorView::turretsRequested, &context_,
                         [this] { LeadOn(TurretsEditor()); });
        QObject::connect(&view, &WeaponsEditorView::baysRequested, &context_,
                         [this] { LeadOn(BaysEditor()); });
        QObject::connect(&view, &WeaponsEditorView::screensRequested, &context_,
                         [this] { LeadOn(ScreensEditor()); });
    }
    return *weapons_.view;
}

ListEditorView& SectionEditorHost::TurretsEditor() {
    return Made(turrets_);
}

ListEditorView& SectionEditorHost::BaysEditor() {
    return Made(bays_);
}

ListEditorView& SectionEditorHost::ScreensEditor() {
    return Made(screens_);
}

CrewEditorView& SectionEditorHost::CrewEditor() {
    return Made(crew_);
}

CraftEditorView& SectionEditorHost::CraftEditor() {
    return Made(craft_);
}

// The menu has no design of its own to make its logic from.
OtherFeaturesMenuView& SectionEditorHost::OtherFeaturesMenu() {
    if (!other_features_.view) {
        other_features_.logic = std::make_unique<ui::OtherFeaturesMenu>();
        other_features_.view = std::make_unique<OtherFeaturesMenuView>(*other_features_.logic);
        OtherFeaturesMenuView& view = *other_features_.view;
        QObject::connect(&view, &OtherFeaturesMenuView::minimisedChanged, &context_,
                         follow_minimised_);
        AddHistoryKeys(view);
        QObject::connect(&view, &OtherFeaturesMenuView::done, &context_,
                         [this](ui::ParentWindow back_to) { ShowAgain(back_to); });
        QObject::connect(&view, &OtherFeaturesMenuView::antiHijack, &context_,
                         [this] { LeadOn(AntiHijackEditor()); });
        QObject::connect(&view, &OtherFeaturesMenuView::customFeatures, &context_,
                         [this] { LeadOn(CustomFeaturesEditor()); });
    }
    return *other_features_.view;
}

AntiHijackEditorView& SectionEditorHost::AntiHijackEditor() {
    return Made(anti_hijack_);
}

CustomFeaturesEditorView& SectionEditorHost::CustomFeaturesEditor() {
    return Made(custom_features_);
}

void SectionEditorHost::Open(ui::Section section) {
    // The editor of each section, in the order of ui::kSections.
    static constexpr std::array<void (SectionEditorHost::*)(), ui::kSectionCount> kOpen = {
        &SectionEditorHost::OpenHullEditor,        &SectionEditorHost::OpenPowerEditor,
        &SectionEditorHost::OpenDrivesEditor,      &SectionEditorHost::OpenElectronicsEditor,
        &SectionEditorHost::OpenWeaponsEditor,     &SectionEditorHost::OpenControlEditor,
        &SectionEditorHost::OpenCrewEditor,        &SectionEditorHost::OpenCraftEditor,
        &SectionEditorHost::OpenOtherFeaturesMenu,
    };
    (this->*kOpen[static_cast<std::size_t>(section)])();
}

void SectionEditorHost::OpenHullEditor() {
    Open(HullEditor());
}

void SectionEditorHost::OpenPowerEditor() {
    Open(PowerEditor());
}

void SectionEditorHost::OpenDrivesEditor() {
    Open(DrivesEditor());
}

void SectionEditorHost::OpenElectronicsEditor() {
    Open(ElectronicsEditor());
}

void SectionEditorHost::OpenWeaponsEditor() {
    Open(WeaponsEditor());
}

void SectionEditorHost::OpenControlEditor() {
    Open(ControlEditor());
}

// The crew window fills itself from the design as it opens, like a form editor.
void SectionEditorHost::OpenCrewEditor() {
    main_window_.hide();
    CrewEditor().Open();
}

void SectionEditorHost::OpenCraftEditor() {
    main_window_.hide();
    LeadOn(CraftEditor());
}

void SectionEditorHost::OpenOtherFeaturesMenu() {
    main_window_.hide();
    LeadOn(OtherFeaturesMenu());
}

void SectionEditorHost::Open(FormEditorView& editor) {
    main_window_.hide();
    editor.Open();
}

void SectionEditorHost::LeadOn(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace korvane::gui
