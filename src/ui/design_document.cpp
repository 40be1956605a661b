#include "ui/design_document.h"

#include <algorithm>
#include <utility>

#include "app/load_design.h"
#include "app/new_design.h"
#include "app/save_design.h"
#include "engine/recalculate.h"
#include "engine/status_summary.h"
#include "model/bitwise_equal.h"
#include "model/design_changes.h"

namespace korvane::ui {

bool DesignDocument::Change(std::string step, const std::function<void(Design&)>& apply,
                            std::string merge_key) {
    Design& design = session_.design;
    // After an undo, a load or a save the design is no longer the one the
    // last change left in `before_`; otherwise it is, and the comparison that
    // would find it so is spared.
    if (!beforeIsDesign_ && CopyDifferences(before_, design)) {
        lastChangeSettled_ = false;
    }
    apply(design);
    DesignChanges changes;
    lastChangeSettled_ = RecalculateChange(design, session_.catalog->Features(), before_,
                                           lastChangeSettled_, changes)
                             .settled;
    beforeIsDesign_ = true;
    if (!changes.DiffersFrom(design)) {
        return false;
    }
    const DesignChange change = DesignChange::Of(changes.KeptParts());
    if (!merge_key.empty() && merge_key == open_merge_key_ && !undo_.empty()) {
        FoldIntoLastStep(std::move(step), std::move(changes));
    } else {
        redo_.clear();
        undo_.push_back({std::move(step), std::move(changes), position_, ++last_position_});
        if (undo_.size() > kKeptSteps) {
            undo_.pop_front();
        }
        MoveTo(last_position_);
        open_merge_key_ = std::move(merge_key);
    }
    before_.DesignChanged = design.DesignChanged;
    Announce(DesignNotice::Edited, change);
    return true;
}

void DesignDocument::FoldIntoLastStep(std::string step, DesignChanges changes) {
    Step& last = undo_.back();
    last.changes.Fold(std::move(changes));
    if (last.changes.DiffersFrom(session_.design)) {
        last.name = std::move(step);
        last.position_after = ++last_position_;
        MoveTo(last.position_after);
        return;
    }
    MoveTo(last.position_before);
    undo_.pop_back();
    open_merge_key_.clear();
}

std::optional<std::string> DesignDocument::UndoStep() const {
    return undo_.empty() ? std::nullopt : std::optional(undo_.back().name);
}

std::optional<std::string> DesignDocument::RedoStep() const {
    return redo_.empty() ? std::nullopt : std::optional(redo_.back().name);
}

bool DesignDocument::Undo() {
    if (undo_.empty()) {
        return false;
    }
    const long position = undo_.back().position_before;
    const DesignChange change = Cross(undo_, redo_);
    MoveTo(position);
    Announce(DesignNotice::Undone, change);
    return true;
}

bool DesignDocument::Redo() {
    if (redo_.empty()) {
        return false;
    }
    const long position = redo_.back().position_after;
    const DesignChange change = Cross(redo_, undo_);
    MoveTo(position);
    Announce(DesignNotice::Redone, change);
    return true;
}

bool DesignDocument::UndoTo(long position) {
    if (position != position_ &&
        std::ranges::find(undo_, position, &Step::position_before) == undo_.end()) {
        return false;
    }
    while (position_ != position && Undo()) {
    }
    return true;
}

std::size_t DesignDocument::HistoryBytes() const {
    std::size_t bytes = 0;
    for (const auto* steps : {&undo_, &redo_}) {
        for (const Step& step : *steps) {
            bytes += sizeof step + step.name.capacity() + step.changes.HeldBytes();
        }
    }
    return bytes;
}

DesignChange DesignDocument::Cross(std::deque<Step>& from, std::deque<Step>& to) {
    beforeIsDesign_ = false;
    open_merge_key_.clear();
    Step step = std::move(from.back());
    from.pop_back();
    step.changes.SwapWith(session_.design);
    const DesignChange change = DesignChange::Of(step.changes.KeptParts());
    to.push_back(std::move(step));
    return change;
}

void DesignDocument::MoveTo(long position) {
    position_ = position;
    session_.design.DesignChanged = position_ != saved_position_;
}

void DesignDocument::MakeNew() {
    session_.design = Design{};
    NewDesign(session_.design, session_.catalog->Features());
    session_.CurrentDesignPath.clear();
    session_.CurrentDesignStamp.reset();
    StartHistory(DesignNotice::New);
}

Status DesignDocument::Load(const std::string& path) {
    const Status loaded = LoadDesign(session_, path);
    if (loaded) {
        StartHistory(DesignNotice::Loaded);
    }
    return loaded;
}

Status DesignDocument::Save(const std::string& path, std::chrono::sys_days today) {
    const Status saved = SaveDesign(session_, path, today);
    beforeIsDesign_ = false;
    open_merge_key_.clear();
    if (saved) {
        saved_position_ = position_;
        Announce(DesignNotice::Saved, DesignChange::Everything());
    }
    return saved;
}

void DesignDocument::Replaced() {
    StartHistory(DesignNotice::Loaded);
}

void DesignDocument::StartHistory(DesignNotice notice) {
    beforeIsDesign_ = false;
    open_merge_key_.clear();
    undo_.clear();
    redo_.clear();
    position_ = ++last_position_;
    saved_position_ = session_.design.DesignChanged ? std::nullopt : std::optional(position_);
    Announce(notice, DesignChange::Everything());
}

// A change's recalculation has settled the design's validity and problems; a
// design from elsewhere (a file, a batch run, a step taken back) has them
// settled here, so that whoever is told only reads.
void DesignDocument::Announce(DesignNotice notice, const DesignChange& change) {
    if (notice != DesignNotice::Edited) {
        CheckDesignLimits(session_.design);
    }
    last_notice_ = notice;
    events_.DesignChanged(change);
}

}  // namespace korvane::ui
