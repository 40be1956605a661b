#include "ui/autosave_schedule.h"

#include <algorithm>

namespace korvane::ui {

void AutosaveSchedule::Changed(Clock::time_point now) {
    // A copy already due is due no later than one interval after this change.
    if (!due_) {
        due_ = last_written_ ? std::max(now, *last_written_ + interval_) : now;
    }
}

void AutosaveSchedule::Written(Clock::time_point now) {
    last_written_ = now;
    due_.reset();
}

void AutosaveSchedule::Failed(Clock::time_point now) {
    last_written_ = now;
    due_ = now + interval_;
}

}  // namespace korvane::ui
