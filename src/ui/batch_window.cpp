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
    const Result<BatchOutcome> outcome =
        RunBatch(session_, prompter_, *folder, kind, today_(), [this](const BatchProgress& step) {
            progress_text.caption = ProgressText(step);
            progress = {step.done, step.total};
            Refresh();
        });
    SetRunning(false);
    Refresh();
    if (!outcome) {
        prompter_.ShowMessage(AppTitle(), Cp1252FromUtf8(outcome.message()), MessageIcon::Critical);
        return;
    }
    error_list_ = korvane::ErrorListText(outcome.value().errors);
    ErrorWindowRequested = !error_list_.empty();
}

// The loop processes window events after each file, so every button stays
// disabled while it runs: "Done" would hand the main window, and with it the
// design the loop is working on, back to the user, and a second click on a
// run button would start a run inside the run.
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
