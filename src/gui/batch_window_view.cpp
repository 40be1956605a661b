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

namespace korvane::gui {

namespace {

// Room for a folder path and its count in the progress text.
constexpr int kProgressColumns = 60;

}  // namespace

BatchWindowView::BatchWindowView(ui::BatchWindow& logic, Session& session)
    : logic_(logic),
      resave_(new QPushButton(this)),
      resave_and_web_(new QPushButton(this)),
      done_(new QPushButton(this)),
      progress_text_(new QLabel(this)),
      progress_bar_(new QProgressBar(this)),
      worker_(session) {
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
    progress_bar_->setFormat(QStringLiteral("%v of %m designs done"));

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

    bindings_.Bind(*resave_, logic_.resave, [this] { logic_.ResaveClick(); });
    bindings_.Bind(*resave_and_web_, logic_.resave_and_web, [this] { logic_.ResaveAndWebClick(); });
    bindings_.Bind(*done_, logic_.done, [this] { logic_.DoneClick(); });
    bindings_.Bind(*progress_text_, logic_.progress_text);
    logic_.SetRunner([this](const ui::BatchJob& job) {
        worker_.Start(
            job, [this](const BatchProgress& step) { logic_.Progressed(step); },
            [this](const Result<BatchOutcome>& outcome) { RunEnded(outcome); });
    });
    logic_.OnProgress = [this] { Refresh(); };
    logic_.OnDone = [this] {
        Refresh();
        emit done();
    };
    Refresh();
}

// The logic may outlive its window: it must not call into a window that is gone.
BatchWindowView::~BatchWindowView() {
    logic_.SetRunner(nullptr);
    logic_.OnProgress = nullptr;
    logic_.OnDone = nullptr;
    if (busy_pointer_) {
        QApplication::restoreOverrideCursor();
    }
}

void BatchWindowView::Refresh() {
    setWindowTitle(QtText(logic_.Caption));
    bindings_.Show();
    progress_bar_->setRange(0, std::max(1, logic_.progress.maximum));
    progress_bar_->setValue(logic_.progress.value);
    progress_bar_->setTextVisible(logic_.progress.maximum > 0);
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

void BatchWindowView::RunEnded(const Result<BatchOutcome>& outcome) {
    logic_.Ended(outcome);
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

}  // namespace korvane::gui
