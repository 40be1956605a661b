#pragma once

#include <string>
#include <vector>

#include "app/configuration.h"
#include "model/result.h"

namespace korvane::ui {

// The window the program opens with: the main window with its picture
// buttons, or the one-window designer.
enum class FirstWindow { Classic, Designer };

struct StartChoice {
    FirstWindow window = FirstWindow::Classic;
    std::vector<std::string> arguments;  // the command line without the switches below
};

// `--designer` or `--classic` on the command line chooses for this run (the
// last one given counts); without either, the configuration's
// "DesignerAtStart=1" opens the designer. A new configuration has no such line.
StartChoice ChooseFirstWindow(std::vector<std::string> arguments,
                              const ConfigurationPlaces& places);

// The designer's "Open the designer at start" setting.
bool DesignerAtStart(const ConfigurationPlaces& places);
Status SetDesignerAtStart(const ConfigurationPlaces& places, bool at_start);

}  // namespace korvane::ui
