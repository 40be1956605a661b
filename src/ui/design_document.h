#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "app/session.h"
#include "model/design.h"
#include "model/design_changes.h"
#include "model/result.h"
#include "ui/design_events.h"

namespace korvane::ui {

// What the last design-changed notice announced.
enum class DesignNotice {
    Edited,  // a change step was applied
    Undone,  // the last step was taken back
    Redone,  // a step taken back was applied again
    New,     // a new design was made; its history is empty
    Loaded,  // another design was loaded (or a batch run left one loaded); its history is empty
    Saved,   // the design was saved as Path()
};

// The open design as a document: the session's one design, the file it was
// last loaded from or saved to, whether it has unsaved changes, and the
// history of its changes.
//
// Every change of the design goes through Change() as a named step: the step
// is applied, the design is wholly recalculated (a single section would leave
// the others' figures stale), and only when the design then differs from
// before in any byte is it marked changed, the step kept for Undo() and the
// design-changed notice sent, once. A step that changes nothing leaves no
// trace. Views refresh themselves from the notice.
class DesignDocument {
public:
    // At least this many steps can be undone; older ones are forgotten.
    static constexpr std::size_t kKeptSteps = 100;

    explicit DesignDocument(Session& session) : session_(session), events_(session.design) {}
    DesignDocument(const DesignDocument&) = delete;
    DesignDocument& operator=(const DesignDocument&) = delete;

    const Design& design() const { return session_.design; }
    // The design file last loaded or saved; empty for a design never saved.
    const std::string& Path() const { return session_.CurrentDesignPath; }
    bool HasUnsavedChanges() const { return session_.design.DesignChanged; }
    DesignNotice LastNotice() const { return last_notice_; }

    // Observers are told after every change, undo, redo, new design, load and save.
    [[nodiscard]] DesignSubscription Subscribe(DesignObserver& observer) {
        return events_.Subscribe(observer);
    }

    // The one change path: `apply` writes the change into the design, named
    // `step` as the user would name it ("Install 2 Triple Beam Laser").
    // True when the design changed.
    //
    // A step with a `merge_key` that the last step also had, with nothing in
    // between (no other step, undo, redo, new design, load, save or replaced
    // design), folds into that step: one step, named by the newer name, that
    // undoes back to the design before the first of them. Repeated edits of
    // one field are so one step. A fold that brings the design back to where
    // the first of them started leaves no step at all.
    bool Change(std::string step, const std::function<void(Design&)>& apply,
                std::string merge_key = {});

    // The name of the step Undo() / Redo() would take; none when there is none.
    std::optional<std::string> UndoStep() const;
    std::optional<std::string> RedoStep() const;
    // Back to the design as it was before the last step, or forward again.
    // Undoing back to the saved design shows it as saved. False when there
    // was nothing to undo or redo.
    bool Undo();
    bool Redo();

    // Where the design stands in its history, to come back to by UndoTo().
    // Each design the history reaches has a position of its own: a position
    // is never given again, not after an undo and a new step, nor after the
    // history started again.
    long Position() const { return position_; }
    // Undoes step by step (a notice each) back to the design at `position`.
    // False, and nothing changed, when no undo reaches it: the history started
    // again, the steps were forgotten, or the design there was undone and
    // replaced by other steps.
    bool UndoTo(long position);

    // The memory the kept steps hold.
    std::size_t HistoryBytes() const;

    // A new design (NewDesign) with an empty history.
    void MakeNew();
    // Loads `path` as the current design (LoadDesign) with an empty history.
    // A file that cannot be read changes nothing and sends no notice.
    Status Load(const std::string& path);
    // Saves the design as `path` (SaveDesign) and remembers this state as the
    // saved one. A failed save changes nothing and sends no notice.
    Status Save(const std::string& path, std::chrono::sys_days today);
    // The session's design was replaced outside the document (a batch run
    // loads and saves designs through the session): the history starts again.
    void Replaced();

private:
    // What a step changed, as it was on its other side: before the step on
    // the undo list, after it on the redo list.
    struct Step {
        std::string name;
        DesignChanges changes;
        long position_before;  // the design's positions on either side of the step
        long position_after;
    };

    void StartHistory(DesignNotice notice);
    // Swaps the design with the step's and moves the step to the other list.
    // What the step changed.
    DesignChange Cross(std::deque<Step>& from, std::deque<Step>& to);
    // Folds `changes` into the last step, or drops that step when the design
    // is back to where it started.
    void FoldIntoLastStep(std::string step, DesignChanges changes);
    // The design is now at `position`; it has unsaved changes unless that is
    // where it was saved.
    void MoveTo(long position);
    void Announce(DesignNotice notice, const DesignChange& change);
    Session& session_;
    DesignEvents events_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
    // The design as the last change left it, which the next change starts
    // from (see RecalculateChange), and whether it was settled. Only the
    // document changes the design, so while nothing but changes happened the
    // design is still `before_` (`beforeIsDesign_`). A change made to the
    // session's design behind the document's back would be taken back by
    // the undo of the next change, together with it.
    Design before_;
    bool lastChangeSettled_ = false;
    bool beforeIsDesign_ = false;
    // The design's position, the last one given, and the position of the
    // design as last saved or loaded (none for a design never saved).
    long position_ = 0;
    long last_position_ = 0;
    std::optional<long> saved_position_ = 0;
    // The merge key of the last step while nothing has come after it.
    std::string open_merge_key_;
    DesignNotice last_notice_ = DesignNotice::New;
};

// Runs `follow` at every design-changed notice for as long as it lives, or,
// given `concerns`, at every notice of a change that it says concerns the
// view: how a view refreshes itself from the notice.
class DesignFollower final : public DesignObserver {
public:
    DesignFollower(DesignDocument& document, std::function<void()> follow,
                   std::function<bool(const DesignChange&)> concerns = {})
        : follow_(std::move(follow)),
          concerns_(std::move(concerns)),
          subscription_(document.Subscribe(*this)) {}

    void DesignUpdated(const Design&, const DesignChange& change) override {
        if (!concerns_ || concerns_(change)) {
            follow_();
        }
    }

private:
    std::function<void()> follow_;
    std::function<bool(const DesignChange&)> concerns_;
    DesignSubscription subscription_;
};

}  // namespace korvane::ui
