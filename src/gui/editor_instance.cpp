#include "gui/editor_instance.h"

#include <QWidget>

#include <array>
#include <type_traits>

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

namespace korvane::gui {

namespace {

// How each kind of content opens, fills and reports back.
void Open(FormEditorView& view) {
    view.Open();
}
void Open(CrewEditorView& view) {
    view.Open();
}
void Open(QWidget& view) {
    view.show();
    view.raise();
    view.activateWindow();
}

void Fill(FormEditorView& view) {
    view.ShowInPanel();
}
void Fill(CrewEditorView& view) {
    view.ShowInPanel();
}
// A list shows the installed entries anew each time it is shown.
void Fill(QWidget&) {}

// A form's window closes by "Accept" or "Cancel", any other by "Done".
template <typename View>
void ReportClosing(View& view, EditorInstance& editor) {
    if constexpr (std::is_base_of_v<FormEditorView, View>) {
        QObject::connect(&view, &FormEditorView::closed, &view, [&editor] { editor.closed(); });
    } else {
        QObject::connect(&view, &View::done, &view, [&editor] { editor.closed(); });
    }
}

template <typename View>
void ReportLeadingOn(View&, EditorInstance&) {}
void ReportLeadingOn(ElectronicsEditorView& view, EditorInstance& editor) {
    QObject::connect(&view, &ElectronicsEditorView::sensorsRequested, &view,
                     [&editor] { editor.leads_on(ui::EditorId::Sensors); });
    QObject::connect(&view, &ElectronicsEditorView::communicatorsRequested, &view,
                     [&editor] { editor.leads_on(ui::EditorId::Communicators); });
}
void ReportLeadingOn(WeaponsEditorView& view, EditorInstance& editor) {
    QObject::connect(&view, &WeaponsEditorView::turretsRequested, &view,
                     [&editor] { editor.leads_on(ui::EditorId::Turrets); });
    QObject::connect(&view, &WeaponsEditorView::baysRequested, &view,
                     [&editor] { editor.leads_on(ui::EditorId::Bays); });
    QObject::connect(&view, &WeaponsEditorView::screensRequested, &view,
                     [&editor] { editor.leads_on(ui::EditorId::Screens); });
}
void ReportLeadingOn(OtherFeaturesMenuView& view, EditorInstance& editor) {
    QObject::connect(&view, &OtherFeaturesMenuView::antiHijack, &view,
                     [&editor] { editor.leads_on(ui::EditorId::AntiHijack); });
    QObject::connect(&view, &OtherFeaturesMenuView::customFeatures, &view,
                     [&editor] { editor.leads_on(ui::EditorId::CustomFeatures); });
}

template <typename Logic, typename Content>
class Made final : public EditorInstance {
public:
    Made(Session& session, ui::DesignDocument& document, Prompter& prompter, EditorPlace place)
        : logic_(MakeLogic(session, document, prompter)),
          view_(std::make_unique<Content>(*logic_, place)) {
        ReportClosing(*view_, *this);
        ReportLeadingOn(*view_, *this);
        QObject::connect(view_.get(), &Content::minimisedChanged, view_.get(),
                         [this](bool minimised_now) { minimised(minimised_now); });
    }

    QWidget& View() override { return *view_; }
    void OpenWindow() override { Open(*view_); }
    void FillPanel() override { Fill(*view_); }

private:
    // The other-features menu has no design of its own to make its logic from.
    static std::unique_ptr<Logic> MakeLogic(Session& session, ui::DesignDocument& document,
                                            Prompter& prompter) {
        if constexpr (std::is_default_constructible_v<Logic>) {
            return std::make_unique<Logic>();
        } else {
            return std::make_unique<Logic>(session, document, prompter);
        }
    }

    std::unique_ptr<Logic> logic_;
    std::unique_ptr<Content> view_;  // after the logic, so that it goes first
};

template <typename Logic, typename Content>
std::unique_ptr<EditorInstance> Make(Session& session, ui::DesignDocument& document,
                                     Prompter& prompter, EditorPlace place) {
    return std::make_unique<Made<Logic, Content>>(session, document, prompter, place);
}

using Maker = std::unique_ptr<EditorInstance> (*)(Session&, ui::DesignDocument&, Prompter&,
                                                  EditorPlace);

// The logic and the content of each editor, in the order of ui::EditorId.
constexpr std::array<Maker, ui::kEditorCount> kMakers = {
    &Make<ui::HullEditor, HullEditorView>,
    &Make<ui::PowerEditor, PowerEditorView>,
    &Make<ui::DrivesEditor, DrivesEditorView>,
    &Make<ui::ElectronicsEditor, ElectronicsEditorView>,
    &Make<ui::SensorsEditor, SensorsEditorView>,
    &Make<ui::CommunicatorsEditor, ListEditorView>,
    &Make<ui::WeaponsEditor, WeaponsEditorView>,
    &Make<ui::TurretsEditor, ListEditorView>,
    &Make<ui::BaysEditor, ListEditorView>,
    &Make<ui::ScreensEditor, ListEditorView>,
    &Make<ui::ControlEditor, ControlEditorView>,
    &Make<ui::CrewEditor, CrewEditorView>,
    &Make<ui::CraftEditor, CraftEditorView>,
    &Make<ui::OtherFeaturesMenu, OtherFeaturesMenuView>,
    &Make<ui::AntiHijackEditor, AntiHijackEditorView>,
    &Make<ui::CustomFeaturesEditor, CustomFeaturesEditorView>,
};

}  // namespace

std::unique_ptr<EditorInstance> MakeEditor(ui::EditorId id, Session& session,
                                           ui::DesignDocument& document, Prompter& prompter,
                                           EditorPlace place) {
    return kMakers[static_cast<std::size_t>(id)](session, document, prompter, place);
}

}  // namespace korvane::gui
