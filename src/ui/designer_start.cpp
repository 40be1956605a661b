#include "ui/designer_start.h"

#include <algorithm>
#include <optional>

namespace korvane::ui {

namespace {

constexpr const char* kDesignerAtStartKey = "DesignerAtStart";

}  // namespace

StartChoice ChooseFirstWindow(std::vector<std::string> arguments,
                              const ConfigurationPlaces& places) {
    std::optional<FirstWindow> chosen;
    std::erase_if(arguments, [&chosen](const std::string& argument) {
        if (argument == "--designer") {
            chosen = FirstWindow::Designer;
        } else if (argument == "--classic") {
            chosen = FirstWindow::Classic;
        } else {
            return false;
        }
        return true;
    });
    if (!chosen) {
        chosen = DesignerAtStart(places) ? FirstWindow::Designer : FirstWindow::Classic;
    }
    return {*chosen, std::move(arguments)};
}

bool DesignerAtStart(const ConfigurationPlaces& places) {
    return ConfigurationValue(places, kDesignerAtStartKey) == "1";
}

Status SetDesignerAtStart(const ConfigurationPlaces& places, bool at_start) {
    return SetConfigurationValue(places, kDesignerAtStartKey, at_start ? "1" : "0");
}

}  // namespace korvane::ui
