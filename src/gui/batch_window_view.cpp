#include "gui/batch_window_view.h"

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

BatchWindowView::BatchWindowView(ui::BatchWindow& logic)
    : logic_(logic),
      resave_(new QPushButton(this)),
      resave_and_web_(new QPushButton(this)),
      done_(new QPushButton(this)),
      progress_text_(new QLabel(this)),
      progress_bar_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("BatchWindow"));
    resave_->setObjectName(QStringLiteral("Resave"));
    resave_and_web_->setObjectName(QStringLiteral("ResaveAndWeb"));
    done_->setObjectName(QStringLiteral("Done"));
    progress_text_->setObjectName(QStringLiteral("ProgressText"));
    progress_bar_->setObjectName(QStringLiteral("Progress"));
    resave_->setIcon(QIcon::fromTheme(QStringLiteral("document-save")));
    resave_and_web_->setIcon(QIcon::fromTheme(QStringLiteral("text-html")));
    progress_text_->setMinimumWidth(fontMetrics().averageCharWidth() * kProgressColumns);
    progress_text_->setTextFormat(Qt::PlainText);

    auto* frame = new QGroupBox(QtText(ui::BatchWindow::kFrameCaption), this);
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

    connect(resave_, &QPushButton::clicked, this, [this] { Run(&ui::BatchWindow::ResaveClick); });
    connect(resave_and_web_, &QPushButton::clicked, this,
            [this] { Run(&ui::BatchWindow::ResaveAndWebClick); });
    connect(done_, &QPushButton::clicked, this, [this] { logic_.DoneClick(); });
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
BatchWindowView::~BatchWindowView() {
    logic_.OnProgress = nullptr;
    logic_.OnDone = nullptr;
}

void BatchWindowView::Refresh() {
    setWindowTitle(QtText(logic_.Caption));
    ShowButton(*resave_, logic_.resave);
    ShowButton(*resave_and_web_, logic_.resave_and_web);
    ShowButton(*done_, logic_.done);
    ShowLabel(*progress_text_, logic_.progress_text);
    progress_bar_->setRange(0, std::max(1, logic_.progress.maximum));
    progress_bar_->setValue(logic_.progress.value);
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

void BatchWindowView::Run(void (ui::BatchWindow::*command)()) {
    (logic_.*command)();
    Refresh();
    emit runEnded();
    if (logic_.ErrorWindowRequested) {
        emit errorListReady();
    }
}

// The close box is "Done", which waits while a run lasts.
void BatchWindowView::closeEvent(QCloseEvent* event) {
    event->ignore();
    logic_.DoneClick();
}

// The window is centred on the screen when it is first shown.
void BatchWindowView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!placed_) {
        placed_ = true;
        CentreOnScreen(*this);
    }
}

}  // namespace korvane::gui
