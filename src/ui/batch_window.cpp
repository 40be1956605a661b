#include "ui/batch_window.h"

#include <optional>

#include "files/path_utils.h"
#include "model/cp1252.h"

namespace korvane::ui {

BatchWindow::BatchWindow(Session& session, Prompter& prompter,
                         std::function<std::chrono::sys_days()> today)
    : Caption(AppTitle()), session_(session), prompter_(prompter), today_(std::move(today)) {}

void BatchWindow::DoneClick() {
    if (running_) {
        return;
    }
    Visible = false;
    if (OnDone) {
        OnDone();
    }
}

void BatchWindow::RunOnChosenFolder(BatchKind kind) {
    if (running_) {
        return;
    }
    error_list_.clear();
    ErrorWindowRequested = false;
    const std::string& current = session_.CurrentDesignPath;
    const std::optional<std::string> folder =
        prompter_.ChooseDirectory(current.substr(0, LastSeparatorPos(current)));
    if (!folder || folder->empty()) {
        return;
    }
    SetRunning(true);
    progress_text.caption.clear();
    progress = {};
    Refresh();
    const BatchJob job{*folder, kind, today_()};
    if (runner_) {
        runner_(job);
        return;
    }
    Ended(RunBatch(session_, job.folder, job.kind, job.today,
                   [this](const BatchProgress& step) { Progressed(step); }));
}

void BatchWindow::Progressed(const BatchProgress& step) {
    progress_text.caption = ProgressText(step);
    progress = {step.done, step.total};
    Refresh();
}

void BatchWindow::Ended(const Result<BatchOutcome>& outcome) {
    SetRunning(false);
    Refresh();
    if (!outcome) {
        prompter_.ShowMessage(AppTitle(), Cp1252FromUtf8(outcome.message()), MessageIcon::Critical);
        return;
    }
    for (int beep = 0; beep < 3; ++beep) {
        prompter_.Beep();
    }
    error_list_ = korvane::ErrorListText(outcome.value().errors);
    ErrorWindowRequested = !error_list_.empty();
}

// The window stays alive while a run lasts, so every button stays disabled:
// "Done" would hand the main window back to the user, whose design the run's
// end replaces, and a second click on a run button would start a run inside
// the run.
void BatchWindow::SetRunning(bool running) {
    running_ = running;
    Busy = running;
    resave.enabled = !running;
    done.enabled = !running;
    resave_and_web.enabled = !running;
}

void BatchWindow::Refresh() const {
    if (OnProgress) {
        OnProgress();
    }
}

}  // namespace korvane::ui
