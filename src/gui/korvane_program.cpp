#include "gui/korvane_program.h"

#include <QApplication>

#include <filesystem>
#include <system_error>

#include "app/configuration.h"
#include "gui/about_dialog.h"
#include "gui/form1_window.h"
#include "gui/formh_window.h"
#include "gui/korvawbu_window.h"
#include "gui/slist4_dialog.h"
#include "gui/splash_window.h"
#include "model/cp1252.h"
#include "ui/splash.h"
#include "ui/startup.h"

namespace korvane::gui {

KorvaneProgram::KorvaneProgram(std::function<void()> end)
    : end_(std::move(end)),
      desktop_([this](const std::string& failure) {
          prompter_.ShowMessage(AppTitle(), Cp1252FromUtf8(failure), MessageIcon::Critical);
      }),
      text_window_(desktop_),
      form1_(session_, prompter_, desktop_, totals_, text_window_),
      batch_(session_, prompter_) {}

KorvaneProgram::~KorvaneProgram() = default;

bool KorvaneProgram::Start(const std::vector<std::string>& arguments) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ui::Splash splash_logic;
    SplashWindow splash(splash_logic);
    splash.ShowNow();

    totals_window_ = std::make_unique<FormhWindow>(totals_, session_.design, prompter_);
    main_window_ = std::make_unique<Form1Window>(form1_, *totals_window_);
    WireMainWindow();

    std::error_code error;
    const std::filesystem::path current_folder = std::filesystem::current_path(error);
    if (!ui::StartSession(session_, prompter_, totals_, ConfigurationPlacesFromEnvironment(),
                          current_folder)) {
        QApplication::restoreOverrideCursor();
        return false;
    }
    main_window_->Refresh();
    main_window_->show();
    splash.close();
    ui::LoadCommandLineDesign(session_, prompter_, totals_, arguments);
    main_window_->Refresh();
    QApplication::restoreOverrideCursor();
    return true;
}

void KorvaneProgram::WireMainWindow() {
    QObject::connect(main_window_.get(), &Form1Window::textWindowRequested, main_window_.get(),
                     [this] { ShowTextWindow(); });
    QObject::connect(main_window_.get(), &Form1Window::batchWindowRequested, main_window_.get(),
                     [this] { ShowBatchWindow(); });
    QObject::connect(main_window_.get(), &Form1Window::aboutRequested, main_window_.get(),
                     [this] { ShowAbout(); });
    QObject::connect(main_window_.get(), &Form1Window::quitRequested, main_window_.get(),
                     [this] { end_(); });
}

KorvawbuWindow& KorvaneProgram::BatchWindow() {
    if (batch_window_) {
        return *batch_window_;
    }
    batch_window_ = std::make_unique<KorvawbuWindow>(batch_);
    KorvawbuWindow* window = batch_window_.get();
    QObject::connect(window, &KorvawbuWindow::done, window, [this] {
        main_window_->show();
        main_window_->Refresh();
    });
    // The totals window shows the design a run leaves loaded.
    QObject::connect(window, &KorvawbuWindow::runEnded, window, [this] {
        totals_.ShowStatusSummary(session_.design);
        main_window_->Refresh();
    });
    QObject::connect(window, &KorvawbuWindow::errorListReady, window, [this] {
        text_window_.Show(ui::Korvawbu::kErrorListHeading, batch_.ErrorListText());
        ShowTextWindow();
    });
    return *window;
}

void KorvaneProgram::ShowTextWindow() {
    if (!text_window_view_) {
        text_window_view_ = std::make_unique<Slist4Dialog>(text_window_);
    }
    text_window_view_->Run();
}

void KorvaneProgram::ShowBatchWindow() {
    main_window_->hide();
    batch_.Show();
    BatchWindow().Refresh();
}

void KorvaneProgram::ShowAbout() {
    AboutDialog about(about_, disclaimer_, desktop_, prompter_, main_window_.get());
    about.Run();
}

}  // namespace korvane::gui
