#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "app/prompter.h"
#include "app/session.h"
#include "batch/batch_run.h"
#include "reports/report_context.h"
#include "ui/controls.h"

namespace korvane::ui {

// The batch window: loads, recalculates and saves every design of a chosen
// folder, optionally building the web index over them, and then lists what
// went wrong in the text window.
class Korvawbu {
public:
    static constexpr const char* kFrameCaption = "Bulk File Options";
    static constexpr const char* kErrorListHeading = "Batch Processing Errors";

    Korvawbu(Session& session, Prompter& prompter,
             std::function<std::chrono::sys_days()> today = &Today);

    std::string Caption;
    Button Command1{"Load-calc-save all in a directory"};
    Button Command3{"Load-calc-save all in a directory and make web"};
    Button Command2{"Done"};
    Label Label1;  // progress text during a run
    ProgressBar Progress;
    bool Visible = false;
    bool Busy = false;  // the busy cursor, while a run lasts

    // After a run whose error list is not empty: the view shows the text
    // window modally with kErrorListHeading and ErrorListText().
    bool ErrorWindowRequested = false;
    const std::string& ErrorListText() const { return error_list_; }

    // Called once the window has changed during a run (after each file): the
    // view repaints and processes pending events so the program stays alive.
    std::function<void()> OnProgress;
    // Called by "Done" once this window is hidden: the main window shows again.
    std::function<void()> OnDone;

    void Show() { Visible = true; }

    void Command1Click() { RunOnChosenFolder(BatchKind::Resave); }
    void Command3Click() { RunOnChosenFolder(BatchKind::ResaveAndWeb); }
    void Command2Click();

private:
    void RunOnChosenFolder(BatchKind kind);
    void SetRunning(bool running);
    void Refresh() const;

    Session& session_;
    Prompter& prompter_;
    std::function<std::chrono::sys_days()> today_;
    std::string error_list_;
    bool running_ = false;
};

}  // namespace korvane::ui
