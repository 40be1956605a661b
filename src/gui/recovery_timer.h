#pragma once

#include <QTimer>

#include "ui/design_document.h"
#include "ui/recovery.h"

namespace korvane::gui {

// Writes the recovery copy when it is due: a single-shot timer set to the
// time the schedule names after every design notice and every write.
class RecoveryTimer final : public ui::DesignObserver {
public:
    RecoveryTimer(ui::Recovery& recovery, ui::DesignDocument& document);

    void DesignUpdated(const Design&, const ui::DesignChange&) override { Arm(); }

private:
    void Arm();

    ui::Recovery& recovery_;
    QTimer timer_;
    ui::DesignSubscription subscription_;
};

}  // namespace korvane::gui
