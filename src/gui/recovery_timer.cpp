#include "gui/recovery_timer.h"

#include <algorithm>
#include <chrono>

namespace korvane::gui {

RecoveryTimer::RecoveryTimer(ui::Recovery& recovery, ui::DesignDocument& document)
    : recovery_(recovery), subscription_(document.Subscribe(*this)) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        recovery_.WriteDueCopy();
        Arm();
    });
}

void RecoveryTimer::Arm() {
    const std::optional<ui::Recovery::Clock::time_point> due = recovery_.Due();
    if (!due) {
        timer_.stop();
        return;
    }
    const auto wait =
        std::chrono::ceil<std::chrono::milliseconds>(*due - ui::Recovery::Clock::now());
    timer_.start(std::max(wait, std::chrono::milliseconds(0)));
}

}  // namespace korvane::gui
