#pragma once

#include <string>
#include <vector>

#include "app/configuration.h"
#include "model/result.h"
#include "ui/command_line.h"

namespace korvane::ui {

struct StartChoice {
    FirstWindow window = FirstWindow::Classic;
    std::vector<std::string> arguments;  // the design file's words: no option among them
};

// `--designer` or `--classic` on the command line chooses for this run (the
// last one given counts); without either, the configuration's
// "DesignerAtStart=1" opens the designer. A new configuration has no such line.
// The arguments are read as ParseCommandLine reads them.
StartChoice ChooseFirstWindow(const std::vector<std::string>& arguments,
                              const ConfigurationPlaces& places);

// The designer's "Open the designer at start" setting.
bool DesignerAtStart(const ConfigurationPlaces& places);
Status SetDesignerAtStart(const ConfigurationPlaces& places, bool at_start);

}  // namespace korvane::ui
