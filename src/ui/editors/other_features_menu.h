#pragma once

#include <string>

#include "ui/controls.h"
#include "ui/editors/parent_window.h"

namespace korvane::ui {

// The small window between the main window and the anti-hijack and custom
// features editors, which both return to it.
class OtherFeaturesMenu {
public:
    OtherFeaturesMenu();

    // "Done": the window shown instead of the menu.
    ParentWindow Done() const { return ParentWindow::MainWindow; }

    std::string Caption;  // the title bar
    Label frame{"Other Features"};
    Button anti_hijack{"&Anti-Hijack"};
    Button custom_features{"&Custom Features"};
    Button done{"&Done"};
};

}  // namespace korvane::ui
