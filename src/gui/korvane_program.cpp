#include "gui/korvane_program.h"

#include <QApplication>

#include "app/configuration.h"
#include "gui/about_box_view.h"
#include "gui/batch_window_view.h"
#include "gui/compare_window_view.h"
#include "gui/designer_window.h"
#include "gui/main_window_view.h"
#include "gui/program_icon.h"
#include "gui/section_editor_host.h"
#include "gui/splash_window.h"
#include "gui/text_window_view.h"
#include "gui/totals_window_view.h"
#include "gui/window_placer.h"
#include "model/cp1252.h"
#include "ui/designer_start.h"
#include "ui/editor_table.h"
#include "ui/splash.h"
#include "ui/startup.h"

namespace korvane::gui {

KorvaneProgram::KorvaneProgram(std::function<void()> end)
    : end_(std::move(end)),
      desktop_([this](const std::string& message, MessageIcon icon) {
          prompter_.ShowMessage(AppTitle(), Cp1252FromUtf8(message), icon);
      }),
      totals_(document_),
      text_window_(desktop_),
      main_window_(session_, document_, prompter_, desktop_, totals_, text_window_),
      batch_(session_, prompter_),
      recovery_(session_, document_, prompter_) {}

KorvaneProgram::~KorvaneProgram() = default;

bool KorvaneProgram::Start(const std::vector<std::string>& arguments) {
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ui::Splash splash_logic;
    SplashWindow splash(splash_logic);
    splash.ShowNow();

    places_ = ConfigurationPlacesFromEnvironment();
    const ui::StartChoice start = ui::ChooseFirstWindow(arguments, places_);
    totals_view_ = std::make_unique<TotalsWindowView>(totals_, session_.design, prompter_);
    placer_ = std::make_unique<WindowPlacer>(places_, *totals_view_);
    main_view_ = std::make_unique<MainWindowView>(main_window_, *totals_view_, document_);
    section_editors_host_ = std::make_unique<SectionEditorHost>(
        session_, document_, prompter_, *main_view_, [this](bool minimised) {
            totals_.MainWindowResized(minimised);
            totals_view_->Refresh();
        });
    WireMainWindow();

    if (!ui::StartSession(session_, prompter_, document_, places_)) {
        QApplication::restoreOverrideCursor();
        return false;
    }
    if (start.window == ui::FirstWindow::Designer) {
        ShowDesigner();
    } else {
        main_view_->show();
    }
    splash.close();
    ui::LoadCommandLineDesign(prompter_, document_, start.arguments);
    QApplication::restoreOverrideCursor();
    recovery_.Start(places_);
    return true;
}

void KorvaneProgram::WireMainWindow() {
    QObject::connect(main_view_.get(), &MainWindowView::sectionEditorRequested, main_view_.get(),
                     [this](ui::Section section) { section_editors_host_->Open(section); });
    QObject::connect(main_view_.get(), &MainWindowView::textWindowRequested, main_view_.get(),
                     [this] { ShowTextWindow(); });
    QObject::connect(main_view_.get(), &MainWindowView::batchWindowRequested, main_view_.get(),
                     [this] { ShowBatchWindow(); });
    QObject::connect(main_view_.get(), &MainWindowView::aboutRequested, main_view_.get(),
                     [this] { ShowAbout(); });
    QObject::connect(main_view_.get(), &MainWindowView::compareWindowRequested, main_view_.get(),
                     [this] { ShowCompareWindow(); });
    QObject::connect(main_view_.get(), &MainWindowView::designerRequested, main_view_.get(),
                     [this] { ShowDesigner(); });
    QObject::connect(main_view_.get(), &MainWindowView::quitRequested, main_view_.get(), [this] {
        recovery_.DropCopy();
        end_();
    });
}

BatchWindowView& KorvaneProgram::BatchWindow() {
    if (batch_view_) {
        return *batch_view_;
    }
    batch_view_ = std::make_unique<BatchWindowView>(batch_, session_);
    BatchWindowView* window = batch_view_.get();
    QObject::connect(window, &BatchWindowView::done, window, [this] { InUse().show(); });
    // The totals window shows the design a run leaves loaded.
    QObject::connect(window, &BatchWindowView::runEnded, window, [this] { document_.Replaced(); });
    QObject::connect(window, &BatchWindowView::errorListReady, window, [this] {
        text_window_.Show(ui::BatchWindow::kErrorListHeading, batch_.ErrorListText());
        ShowTextWindow();
    });
    return *window;
}

void KorvaneProgram::ShowTextWindow() {
    if (!text_window_view_) {
        text_window_view_ = std::make_unique<TextWindowView>(text_window_);
    }
    text_window_view_->Run();
}

void KorvaneProgram::ShowBatchWindow() {
    InUse().hide();
    batch_.Show();
    BatchWindow().Refresh();
}

// Each comparison has a window of its own: the one of an earlier comparison goes.
void KorvaneProgram::ShowCompareWindow() {
    compare_view_.reset();
    if (ui::CompareWindow* logic = main_window_.CompareWindowLogic()) {
        compare_view_ = std::make_unique<CompareWindowView>(*logic, document_);
        QObject::connect(compare_view_.get(), &CompareWindowView::sectionChosen,
                         compare_view_.get(),
                         [this](ui::Section section) { OpenSection(section); });
        compare_view_->show();
        compare_view_->raise();
    }
}

void KorvaneProgram::OpenSection(ui::Section section) {
    if (in_designer_) {
        Designer().Choose(ui::EditorOf(section));
        Designer().raise();
        Designer().activateWindow();
    } else {
        section_editors_host_->Open(section);
    }
}

void KorvaneProgram::ShowAbout() {
    AboutBoxView about(about_, disclaimer_, desktop_, prompter_, &InUse());
    about.Run();
}

DesignerWindow& KorvaneProgram::Designer() {
    if (!designer_view_) {
        designer_view_ = std::make_unique<DesignerWindow>(
            session_, document_, prompter_, main_window_, places_,
            [this](ui::MainWindowCommand command) { main_view_->Run(command); });
        QObject::connect(designer_view_.get(), &DesignerWindow::classicWindowsRequested,
                         designer_view_.get(), [this] { ShowClassicWindows(); });
        QObject::connect(designer_view_.get(), &DesignerWindow::aboutRequested,
                         designer_view_.get(), [this] { ShowAbout(); });
    }
    return *designer_view_;
}

void KorvaneProgram::ShowDesigner() {
    in_designer_ = true;
    main_view_->hide();
    totals_.MainWindowResized(true);
    totals_view_->Refresh();
    Designer().show();
    Designer().raise();
    Designer().activateWindow();
}

void KorvaneProgram::ShowClassicWindows() {
    in_designer_ = false;
    Designer().hide();
    totals_.MainWindowResized(false);
    main_view_->show();
    totals_view_->Refresh();
}

QWidget& KorvaneProgram::InUse() {
    return in_designer_ ? static_cast<QWidget&>(Designer()) : *main_view_;
}

}  // namespace korvane::gui
