#include "gui/korvawbu_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/control_binding.h"
#include "gui/qt_text.h"
#include "gui/screen_placement.h"

namespace korvane::gui {

namespace {

// Room for a folder path and its count in the progress text.
constexpr int kProgressColumns = 60;

}  // namespace

KorvawbuWindow::KorvawbuWindow(ui::Korvawbu& logic)
    : logic_(logic),
      resave_(new QPushButton(this)),
      resave_and_web_(new QPushButton(this)),
      done_(new QPushButton(this)),
      progress_text_(new QLabel(this)),
      progress_bar_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("korvawbu"));
    resave_->setObjectName(QStringLiteral("Command1"));
    resave_and_web_->setObjectName(QStringLiteral("Command3"));
    done_->setObjectName(QStringLiteral("Command2"));
    progress_text_->setObjectName(QStringLiteral("Label1"));
    progress_bar_->setObjectName(QStringLiteral("Progress"));
    resave_->setIcon(QIcon::fromTheme(QStringLiteral("document-save")));
    resave_and_web_->setIcon(QIcon::fromTheme(QStringLiteral("text-html")));
    progress_text_->setMinimumWidth(fontMetrics().averageCharWidth() * kProgressColumns);
    progress_text_->setTextFormat(Qt::PlainText);

    auto* frame = new QGroupBox(QtText(ui::Korvawbu::kFrameCaption), this);
    auto* runs = new QVBoxLayout(frame);
    runs->addWidget(resave_);
    runs->addWidget(resave_and_web_);
    auto* progress = new QHBoxLayout;
    progress->addWidget(progress_text_, 1);
    progress->addWidget(progress_bar_);
    runs->addLayout(progress);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(done_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(bottom);

    connect(resave_, &QPushButton::clicked, this, [this] { Run(&ui::Korvawbu::Command1Click); });
    connect(resave_and_web_, &QPushButton::clicked, this,
            [this] { Run(&ui::Korvawbu::Command3Click); });
    connect(done_, &QPushButton::clicked, this, [this] { logic_.Command2Click(); });
    logic_.OnProgress = [this] {
        Refresh();
        QCoreApplication::processEvents();
    };
    logic_.OnDone = [this] {
        Refresh();
        emit done();
    };
    Refresh();
}

// The logic may outlive its window: it must not call into a window that is gone.
KorvawbuWindow::~KorvawbuWindow() {
    logic_.OnProgress = nullptr;
    logic_.OnDone = nullptr;
}

void KorvawbuWindow::Refresh() {
    setWindowTitle(QtText(logic_.Caption));
    ShowButton(*resave_, logic_.Command1);
    ShowButton(*resave_and_web_, logic_.Command3);
    ShowButton(*done_, logic_.Command2);
    ShowLabel(*progress_text_, logic_.Label1);
    progress_bar_->setRange(0, std::max(1, logic_.Progress.maximum));
    progress_bar_->setValue(logic_.Progress.value);
    if (logic_.Busy != busy_pointer_) {
        busy_pointer_ = logic_.Busy;
        if (busy_pointer_) {
            QApplication::setOverrideCursor(Qt::BusyCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    }
    if (isVisible() != logic_.Visible) {
        setVisible(logic_.Visible);
    }
}

void KorvawbuWindow::Run(void (ui::Korvawbu::*command)()) {
    (logic_.*command)();
    Refresh();
    emit runEnded();
    if (logic_.ErrorWindowRequested) {
        emit errorListReady();
    }
}

// The close box is "Done", which waits while a run lasts.
void KorvawbuWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    logic_.Command2Click();
}

// The window is centred on the screen when it is first shown.
void KorvawbuWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!placed_) {
        placed_ = true;
        CentreOnScreen(*this);
    }
}

}  // namespace korvane::gui
