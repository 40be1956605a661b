#include "ui/designer_start.h"

#include <utility>

namespace korvane::ui {

namespace {

constexpr const char* kDesignerAtStartKey = "DesignerAtStart";

}  // namespace

StartChoice ChooseFirstWindow(const std::vector<std::string>& arguments,
                              const ConfigurationPlaces& places) {
    CommandLine command_line = ParseCommandLine(arguments);
    const FirstWindow chosen = command_line.first_window.value_or(
        DesignerAtStart(places) ? FirstWindow::Designer : FirstWindow::Classic);
    return {chosen, std::move(command_line.file_words)};
}

bool DesignerAtStart(const ConfigurationPlaces& places) {
    return ConfigurationValue(places, kDesignerAtStartKey) == "1";
}

Status SetDesignerAtStart(const ConfigurationPlaces& places, bool at_start) {
    return SetConfigurationValue(places, kDesignerAtStartKey, at_start ? "1" : "0");
}

}  // namespace korvane::ui
