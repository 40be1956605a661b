#include "ui/autosave_schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane::ui {
namespace {

using Clock = AutosaveSchedule::Clock;
using std::chrono::seconds;

// What happens at a second of the timeline, and when the next copy is then due.
struct Step {
    int at;
    char event;  // 'c' a change, 'w' a copy written, 'f' a write failed, 's' saved
    std::optional<int> due;
};

TEST(AutosaveSchedule, ACopyFollowsEveryChangeWithinAnIntervalAndAtMostOncePerInterval) {
    const struct {
        std::string name;
        std::vector<Step> steps;
    } cases[] = {
        {"the first change is written at once", {{5, 'c', 5}, {5, 'w', {}}}},
        {"changes soon after a copy wait for the interval",
         {{0, 'c', 0}, {0, 'w', {}}, {10, 'c', 60}, {30, 'c', 60}, {60, 'w', {}}}},
        {"a change long after the last copy is written at once",
         {{0, 'c', 0}, {0, 'w', {}}, {200, 'c', 200}}},
        {"a copy already due stays due", {{0, 'c', 0}, {0, 'w', {}}, {70, 'c', 70}, {80, 'c', 70}}},
        {"a save leaves nothing due; the next change keeps the pace",
         {{0, 'c', 0}, {0, 'w', {}}, {10, 'c', 60}, {20, 's', {}}, {30, 'c', 60}}},
        {"a failed write is tried again an interval later",
         {{0, 'c', 0}, {0, 'f', 60}, {30, 'c', 60}, {60, 'w', {}}}},
    };
    const Clock::time_point start{};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AutosaveSchedule schedule(seconds(60));
        EXPECT_EQ(schedule.Due(), std::nullopt);
        for (const Step& step : c.steps) {
            const Clock::time_point now = start + seconds(step.at);
            switch (step.event) {
                case 'c':
                    schedule.Changed(now);
                    break;
                case 'w':
                    schedule.Written(now);
                    break;
                case 'f':
                    schedule.Failed(now);
                    break;
                case 's':
                    schedule.Cleared();
                    break;
            }
            const std::optional<Clock::time_point> expected =
                step.due ? std::optional(start + seconds(*step.due)) : std::nullopt;
            EXPECT_EQ(schedule.Due(), expected) << "after '" << step.event << "' at " << step.at;
        }
    }
}

}  // namespace
}  // namespace korvane::ui
