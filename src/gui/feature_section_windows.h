#pragma once

#include <memory>

#include "app/session.h"
#include "ui/design_events.h"
#include "ui/editors/parent_window.h"
#include "ui/prompter.h"
#include "ui/totals_window.h"

class QWidget;

namespace korvane::ui {
class AntiHijackEditor;
class CraftEditor;
class CrewEditor;
class CustomFeaturesEditor;
class OtherFeaturesMenu;
}  // namespace korvane::ui

namespace korvane::gui {

class AntiHijackEditorView;
class CraftEditorView;
class CrewEditorView;
class CustomFeaturesEditorView;
class ListEditorView;
class OtherFeaturesMenuView;
class TotalsWindowView;

// The windows of the crew, craft and other-features sections: each made on
// first use, shown in place of the window it was opened from, which shows
// again when it closes (the anti-hijack and custom features editors return to
// the other-features menu). The totals window follows the shown window's
// minimise and restore.
class FeatureSectionWindows {
public:
    FeatureSectionWindows(Session& session, ui::DesignEvents& events, Prompter& prompter,
                          QWidget& main_window, ui::TotalsWindow& totals,
                          TotalsWindowView& totals_view);
    ~FeatureSectionWindows();
    FeatureSectionWindows(const FeatureSectionWindows&) = delete;
    FeatureSectionWindows& operator=(const FeatureSectionWindows&) = delete;

    // From the main window's section buttons.
    void OpenCrew();
    void OpenCraft();
    void OpenOtherFeatures();

private:
    void OpenAntiHijack();
    void OpenCustomFeatures();
    // The list editor window made on first use, with its logic.
    template <typename Editor, typename View>
    View& ListEditorWindow(std::unique_ptr<Editor>& editor, std::unique_ptr<View>& view);
    // Its "Done" shows the window it returns to; the totals window follows it.
    void WireListEditor(ListEditorView& view);
    // Hides `from`, shows `window`, and lets the totals window follow it.
    void Replace(QWidget& from, QWidget& window);
    void Return(ui::ParentWindow back_to);
    void FollowMinimise(bool minimised);

    Session& session_;
    ui::DesignEvents& events_;
    Prompter& prompter_;
    QWidget& main_window_;
    ui::TotalsWindow& totals_;
    TotalsWindowView& totals_view_;

    std::unique_ptr<ui::CrewEditor> crew_;
    std::unique_ptr<CrewEditorView> crew_view_;
    std::unique_ptr<ui::CraftEditor> craft_;
    std::unique_ptr<CraftEditorView> craft_view_;
    std::unique_ptr<ui::OtherFeaturesMenu> other_;
    std::unique_ptr<OtherFeaturesMenuView> other_view_;
    std::unique_ptr<ui::AntiHijackEditor> anti_hijack_;
    std::unique_ptr<AntiHijackEditorView> anti_hijack_view_;
    std::unique_ptr<ui::CustomFeaturesEditor> custom_features_;
    std::unique_ptr<CustomFeaturesEditorView> custom_features_view_;
};

}  // namespace korvane::gui
