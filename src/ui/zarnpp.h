#pragma once

#include <string>

#include "ui/controls.h"

namespace korvane::ui {

// ZarnPP, the disclaimer window: a notice about the game system's trademarks
// and "Ok" to close it.
class ZarnPP {
public:
    ZarnPP();

    void Show() { Visible = true; }
    void Ok() { Visible = false; }

    std::string Caption = "Disclaimer";
    Label Label1;
    Button Command1{"Ok"};
    bool Visible = false;
};

}  // namespace korvane::ui
