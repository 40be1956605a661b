#pragma once

#include <string>

#include "ui/controls.h"

namespace korvane::ui {

// The small window between the main window and the anti-hijack and custom
// features editors, which both return to it.
class OtherFeaturesMenu {
public:
    OtherFeaturesMenu();

    std::string Caption;  // the title bar
    Label frame{"Other Features"};
    Button anti_hijack{"&Anti-Hijack"};
    Button custom_features{"&Custom Features"};
    Button done{"&Done"};
};

}  // namespace korvane::ui
