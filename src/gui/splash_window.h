#pragma once

#include <QFrame>

#include "ui/splash.h"

namespace korvane::gui {

// The splash window shown while the program starts: the program's title and
// the game system's name in large type on a panel, centred on the screen.
class SplashWindow final : public QFrame {
    Q_OBJECT

public:
    explicit SplashWindow(const ui::Splash& logic);

    // Shows the window at once, without waiting for the event loop.
    void ShowNow();
};

}  // namespace korvane::gui
