#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "app/session.h"
#include "batch/batch_run.h"
#include "reports/report_context.h"
#include "ui/controls.h"
#include "ui/prompter.h"

namespace korvane::ui {

// A run the batch window has started: the chosen folder, what to make of it,
// and the day its saves are dated.
struct BatchJob {
    std::string folder;
    BatchKind kind = BatchKind::Resave;
    std::chrono::sys_days today;
};

// The batch window: loads, recalculates and saves every design of a chosen
// folder, optionally building the web index over them, and then lists what
// went wrong in the text window.
class BatchWindow {
public:
    static constexpr const char* kFrameCaption = "Bulk File Options";
    static constexpr const char* kErrorListHeading = "Batch Processing Errors";

    BatchWindow(Session& session, Prompter& prompter,
                std::function<std::chrono::sys_days()> today = &Today);

    std::string Caption;
    Button resave{"Load-calc-save all in a directory"};
    Button resave_and_web{"Load-calc-save all in a directory and make web"};
    Button done{"Done"};
    Label progress_text;  // progress text during a run
    ProgressBar progress;
    bool Visible = false;
    bool Busy = false;  // the busy cursor, while a run lasts

    // After a run whose error list is not empty: the view shows the text
    // window modally with kErrorListHeading and ErrorListText().
    bool ErrorWindowRequested = false;
    const std::string& ErrorListText() const { return error_list_; }

    // Called once the window has changed during a run (after each file): the
    // view repaints.
    std::function<void()> OnProgress;
    // Called by "Done" once this window is hidden: the main window shows again.
    std::function<void()> OnDone;

    void Show() { Visible = true; }

    void ResaveClick() { RunOnChosenFolder(BatchKind::Resave); }
    void ResaveAndWebClick() { RunOnChosenFolder(BatchKind::ResaveAndWeb); }
    void DoneClick();

    // What carries out a started run. It reports each processed file to
    // Progressed() and the outcome to Ended(), on the window's own thread. By
    // default the run is carried out at once, before the click returns.
    using Runner = std::function<void(const BatchJob&)>;
    void SetRunner(Runner runner) { runner_ = std::move(runner); }
    void Progressed(const BatchProgress& step);
    void Ended(const Result<BatchOutcome>& outcome);
    bool Running() const { return running_; }

private:
    void RunOnChosenFolder(BatchKind kind);
    void SetRunning(bool running);
    void Refresh() const;

    Session& session_;
    Prompter& prompter_;
    std::function<std::chrono::sys_days()> today_;
    Runner runner_;
    std::string error_list_;
    bool running_ = false;
};

}  // namespace korvane::ui
