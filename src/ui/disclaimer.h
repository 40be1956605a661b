#pragma once

#include <string>

#include "ui/controls.h"

namespace korvane::ui {

// The disclaimer window: a notice about the game system's trademarks
// and "Ok" to close it.
class Disclaimer {
public:
    Disclaimer();

    void Show() { Visible = true; }
    void Ok() { Visible = false; }

    std::string Caption = "Disclaimer";
    Label notice;
    Button ok{"Ok"};
    bool Visible = false;
};

}  // namespace korvane::ui
