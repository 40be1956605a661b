#pragma once

#include <QCoreApplication>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/session.h"
#include "gui/qt_desktop.h"
#include "gui/qt_prompter.h"
#include "ui/form1.h"
#include "ui/formh.h"
#include "ui/frmabout.h"
#include "ui/korvawbu.h"
#include "ui/slist4.h"
#include "ui/zarnpp.h"

namespace korvane::gui {

class Form1Window;
class FormhWindow;
class KorvawbuWindow;
class Slist4Dialog;

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
    // window, then the design named by the arguments. False when the program
    // has to end at once (no catalog could be opened).
    bool Start(const std::vector<std::string>& arguments);

    Session& session() { return session_; }
    Form1Window& MainWindow() { return *main_window_; }
    FormhWindow& TotalsWindow() { return *totals_window_; }
    // Made on first use, as the text window is.
    KorvawbuWindow& BatchWindow();

private:
    void WireMainWindow();
    void ShowTextWindow();
    void ShowBatchWindow();
    void ShowAbout();

    std::function<void()> end_;
    Session session_;
    QtPrompter prompter_;
    QtDesktop desktop_;
    ui::Formh totals_;
    ui::Slist4 text_window_;
    ui::Form1 form1_;
    ui::Korvawbu batch_;
    ui::FrmAbout about_;
    ui::ZarnPP disclaimer_;

    std::unique_ptr<FormhWindow> totals_window_;
    std::unique_ptr<Form1Window> main_window_;
    std::unique_ptr<Slist4Dialog> text_window_view_;
    std::unique_ptr<KorvawbuWindow> batch_window_;
};

}  // namespace korvane::gui
