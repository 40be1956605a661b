#pragma once

#include <string>

#include "ui/controls.h"

namespace korvane::ui {

// The splash window shown while the program starts: the program's title and
// the game system's name in large type on a panel, centred on the screen.
struct Splash {
    Splash();

    struct Position {
        int left = 0;
        int top = 0;
    };
    static Position Placement(int screen_width, int screen_height, int width, int height) {
        return {Centred(screen_width, width), Centred(screen_height, height)};
    }

    Label Title;
    Label GameSystem{"Zarnoth"};
};

}  // namespace korvane::ui
