#pragma once

#include <QCoreApplication>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/configuration.h"
#include "app/session.h"
#include "gui/qt_desktop.h"
#include "gui/qt_prompter.h"
#include "gui/recovery_timer.h"
#include "ui/about_box.h"
#include "ui/batch_window.h"
#include "ui/design_document.h"
#include "ui/disclaimer.h"
#include "ui/main_window.h"
#include "ui/recovery.h"
#include "ui/text_window.h"
#include "ui/totals_window.h"

namespace korvane::gui {

class DesignerWindow;
class MainWindowView;
class SectionEditorHost;
class TotalsWindowView;
class BatchWindowView;
class TextWindowView;
class CompareWindowView;
class WindowPlacer;

// The desktop program: the session with its one design, the window logic
// and the views over it, wired together.
class KorvaneProgram {
public:
    // `end` ends the program once "Exit" or "Reset" has done its part. The
    // program leaves its event loop without asking its windows to close: the
    // totals window refuses that, and the main window has asked its question.
    explicit KorvaneProgram(std::function<void()> end = [] { QCoreApplication::exit(0); });
    ~KorvaneProgram();
    KorvaneProgram(const KorvaneProgram&) = delete;
    KorvaneProgram& operator=(const KorvaneProgram&) = delete;

    // The start: the splash window and the busy pointer while the catalog
    // opens and the new design is built, then the main window and the totals
    // window (or the designer, as `--designer`, `--classic` or the designer's
    // setting choose), then the design named by the arguments. False when the program
    // has to end at once (no catalog could be opened). Last, the recovery
    // copies that programs ended without saving left are offered.
    bool Start(const std::vector<std::string>& arguments);

    Session& session() { return session_; }
    ui::DesignDocument& Document() { return document_; }

    MainWindowView& MainWindow() { return *main_view_; }
    SectionEditorHost& SectionEditors() { return *section_editors_host_; }
    TotalsWindowView& TotalsWindow() { return *totals_view_; }
    // Made on first use, as the text window is.
    BatchWindowView& BatchWindow();
    // The window of the last "Compare with..."; none before the first.
    CompareWindowView* CompareWindow() { return compare_view_.get(); }
    // Made on first use.
    DesignerWindow& Designer();
    // The designer instead of the main window and the totals window, or back.
    void ShowDesigner();
    void ShowClassicWindows();

private:
    void WireMainWindow();
    void ShowTextWindow();
    void ShowBatchWindow();
    void ShowAbout();
    void ShowCompareWindow();
    // The section's editor, in the designer when it is the window in use.
    void OpenSection(ui::Section section);
    // The window the user works in: the designer, or the main window.
    QWidget& InUse();

    std::function<void()> end_;
    Session session_;
    ui::DesignDocument document_{session_};
    QtPrompter prompter_;
    QtDesktop desktop_;
    ui::TotalsWindow totals_;
    ui::TextWindow text_window_;
    ui::MainWindow main_window_;
    ui::BatchWindow batch_;
    ui::AboutBox about_;
    ui::Disclaimer disclaimer_;
    ui::Recovery recovery_;
    RecoveryTimer recovery_timer_{recovery_, document_};

    std::unique_ptr<TotalsWindowView> totals_view_;
    std::unique_ptr<MainWindowView> main_view_;
    std::unique_ptr<SectionEditorHost> section_editors_host_;
    std::unique_ptr<TextWindowView> text_window_view_;
    std::unique_ptr<BatchWindowView> batch_view_;
    std::unique_ptr<CompareWindowView> compare_view_;
    std::unique_ptr<DesignerWindow> designer_view_;
    bool in_designer_ = false;
    ConfigurationPlaces places_;
    // Last, so that it keeps where the windows were left before they go.
    std::unique_ptr<WindowPlacer> placer_;
};

}  // namespace korvane::gui
