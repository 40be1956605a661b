#pragma once

#include <array>
#include <string>

#include "ui/controls.h"
#include "ui/desktop.h"
#include "ui/prompter.h"

namespace korvane::ui {

// The about box: the program's title, what it is, a notice, "OK"
// and "&System Info...".
class AboutBox {
public:
    // The system information programs looked for, in order of preference.
    static constexpr std::array<const char*, 4> kSystemInformationPrograms = {
        "hardinfo2", "hardinfo", "kinfocenter", "lshw-gtk"};

    AboutBox();

    void Show() { Visible = true; }
    // "OK" closes the box.
    void Ok() { Visible = false; }
    // "&System Info...": starts the first system information program found on
    // the desktop, or tells that there is none.
    void SystemInfo(Desktop& desktop, Prompter& prompter);

    std::string Caption;
    Label title;
    Label description;
    Label warranty;
    Button ok{"OK"};
    Button system_info{"&System Info..."};
    bool Visible = false;
};

}  // namespace korvane::ui
