#include "gui/feature_section_windows.h"

#include "gui/anti_hijack_editor_view.h"
#include "gui/craft_editor_view.h"
#include "gui/crew_editor_view.h"
#include "gui/custom_features_editor_view.h"
#include "gui/other_features_menu_view.h"
#include "gui/totals_window_view.h"

namespace korvane::gui {

FeatureSectionWindows::FeatureSectionWindows(Session& session, ui::DesignEvents& events,
                                             Prompter& prompter, QWidget& main_window,
                                             ui::TotalsWindow& totals,
                                             TotalsWindowView& totals_view)
    : session_(session),
      events_(events),
      prompter_(prompter),
      main_window_(main_window),
      totals_(totals),
      totals_view_(totals_view) {}

FeatureSectionWindows::~FeatureSectionWindows() = default;

void FeatureSectionWindows::OpenCrew() {
    if (!crew_view_) {
        crew_ = std::make_unique<ui::CrewEditor>(session_, events_, prompter_);
        crew_view_ = std::make_unique<CrewEditorView>(*crew_);
        QObject::connect(crew_view_.get(), &CrewEditorView::done, crew_view_.get(),
                         [this](ui::ParentWindow back_to) { Return(back_to); });
        QObject::connect(crew_view_.get(), &CrewEditorView::minimisedChanged, crew_view_.get(),
                         [this](bool minimised) { FollowMinimise(minimised); });
    }
    main_window_.hide();
    crew_view_->Open();
}

void FeatureSectionWindows::OpenCraft() {
    Replace(main_window_, ListEditorWindow(craft_, craft_view_));
}

void FeatureSectionWindows::OpenOtherFeatures() {
    if (!other_view_) {
        other_ = std::make_unique<ui::OtherFeaturesMenu>();
        other_view_ = std::make_unique<OtherFeaturesMenuView>(*other_);
        QWidget* menu = other_view_.get();
        QObject::connect(other_view_.get(), &OtherFeaturesMenuView::antiHijack, menu,
                         [this] { OpenAntiHijack(); });
        QObject::connect(other_view_.get(), &OtherFeaturesMenuView::customFeatures, menu,
                         [this] { OpenCustomFeatures(); });
        QObject::connect(other_view_.get(), &OtherFeaturesMenuView::done, menu,
                         [this](ui::ParentWindow back_to) { Return(back_to); });
        QObject::connect(other_view_.get(), &OtherFeaturesMenuView::minimisedChanged, menu,
                         [this](bool minimised) { FollowMinimise(minimised); });
    }
    Replace(main_window_, *other_view_);
}

void FeatureSectionWindows::OpenAntiHijack() {
    Replace(*other_view_, ListEditorWindow(anti_hijack_, anti_hijack_view_));
}

void FeatureSectionWindows::OpenCustomFeatures() {
    Replace(*other_view_, ListEditorWindow(custom_features_, custom_features_view_));
}

template <typename Editor, typename View>
View& FeatureSectionWindows::ListEditorWindow(std::unique_ptr<Editor>& editor,
                                              std::unique_ptr<View>& view) {
    if (!view) {
        editor = std::make_unique<Editor>(session_, events_, prompter_);
        view = std::make_unique<View>(*editor);
        WireListEditor(*view);
    }
    return *view;
}

void FeatureSectionWindows::WireListEditor(ListEditorView& view) {
    QObject::connect(&view, &ListEditorView::done, &view,
                     [this](ui::ParentWindow back_to) { Return(back_to); });
    QObject::connect(&view, &ListEditorView::minimisedChanged, &view,
                     [this](bool minimised) { FollowMinimise(minimised); });
}

void FeatureSectionWindows::Replace(QWidget& from, QWidget& window) {
    from.hide();
    window.show();
    window.raise();
    window.activateWindow();
}

void FeatureSectionWindows::Return(ui::ParentWindow back_to) {
    FollowMinimise(false);
    if (back_to == ui::ParentWindow::OtherFeaturesMenu && other_view_) {
        other_view_->show();
        return;
    }
    main_window_.show();
}

void FeatureSectionWindows::FollowMinimise(bool minimised) {
    totals_.MainWindowResized(minimised);
    totals_view_.Refresh();
}

}  // namespace korvane::gui
