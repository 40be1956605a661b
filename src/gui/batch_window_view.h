#pragma once

#include <QWidget>

#include "app/session.h"
#include "gui/batch_worker.h"
#include "gui/control_binding.h"
#include "ui/batch_window.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace korvane::gui {

// The batch window: the two run buttons in the frame "Bulk File Options", the
// progress text with a progress bar beside it that counts the designs done,
// and "Done". A run goes on off the window's thread; the window shows each
// file as it is done and stays responsive, its buttons disabled until the end.
// Closing it during a run does nothing, as "Done" does; a window destroyed
// during a run waits for it.
class BatchWindowView final : public QWidget {
    Q_OBJECT

public:
    // `session` is the logic's: the worker copies it for each run.
    BatchWindowView(ui::BatchWindow& logic, Session& session);
    ~BatchWindowView() override;

    // Copies the logic's state to the widgets.
    void Refresh();

signals:
    // "Done" has hidden the window.
    void done();
    // A run has ended with an error list for the text window.
    void errorListReady();
    // A run has ended; the session holds the last design it loaded.
    void runEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void RunEnded(const Result<BatchOutcome>& outcome);

    ui::BatchWindow& logic_;
    QPushButton* resave_;
    QPushButton* resave_and_web_;
    QPushButton* done_;
    QLabel* progress_text_;
    QProgressBar* progress_bar_;
    ControlBindings bindings_;
    BatchWorker worker_;
    bool busy_pointer_ = false;
};

}  // namespace korvane::gui
