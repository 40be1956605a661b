#pragma once

#include <chrono>
#include <optional>

namespace korvane::ui {

// When the recovery copy of a design with unsaved changes is written: within
// one interval of any change, and at most once an interval. The first change
// after a quiet interval is written at once; changes that follow wait for the
// interval to end and are written together. The caller's clock gives the times.
class AutosaveSchedule {
public:
    using Clock = std::chrono::steady_clock;

    explicit AutosaveSchedule(Clock::duration interval) : interval_(interval) {}

    // The design has changed and has unsaved changes.
    void Changed(Clock::time_point now);
    // The design has no unsaved changes any more (saved, loaded, made new):
    // nothing waits to be written.
    void Cleared() { due_.reset(); }
    // A copy was written at `now`.
    void Written(Clock::time_point now);
    // Writing the copy failed at `now`: it is tried again one interval later.
    void Failed(Clock::time_point now);

    // When the next copy is due; none while nothing waits.
    std::optional<Clock::time_point> Due() const { return due_; }

private:
    Clock::duration interval_;
    std::optional<Clock::time_point> last_written_;
    std::optional<Clock::time_point> due_;
};

}  // namespace korvane::ui
