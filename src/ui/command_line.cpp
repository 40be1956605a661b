#include "ui/command_line.h"

#include "model/program_identity.h"

namespace korvane::ui {

namespace {

bool IsOption(std::string_view word) {
    return word.size() > 1 && word.front() == '-';
}

// The names of a platform request: "wayland;xcb" tries Wayland, then X; a
// name may carry options after a ":" ("offscreen:size=800x600").
std::vector<std::string_view> PlatformNames(std::string_view platform) {
    std::vector<std::string_view> names;
    while (!platform.empty()) {
        const std::size_t end = platform.find(';');
        const std::string_view entry = platform.substr(0, end);
        names.push_back(entry.substr(0, entry.find(':')));
        platform = end == std::string_view::npos ? std::string_view() : platform.substr(end + 1);
    }
    return names;
}

// Whether the platform `name` can start with the displays the request names.
// Platforms other than X and Wayland draw without a window system, and a name
// Qt does not know is for Qt to report.
bool CanStart(std::string_view name, const DisplayRequest& request) {
    if (name == "xcb") {
        return !request.x_display.empty();
    }
    if (name.starts_with("wayland")) {
        return !request.wayland_display.empty();
    }
    return true;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine command_line;
    bool options_ended = false;
    for (const std::string& word : arguments) {
        if (options_ended || !IsOption(word)) {
            command_line.file_words.push_back(word);
        } else if (word == "--") {
            options_ended = true;
        } else if (word == "-h" || word == "--help") {
            command_line.help = true;
        } else if (word == "--version") {
            command_line.version = true;
        } else if (word == "--designer") {
            command_line.first_window = FirstWindow::Designer;
        } else if (word == "--classic") {
            command_line.first_window = FirstWindow::Classic;
        } else if (command_line.unknown_option.empty()) {
            command_line.unknown_option = word;
        }
    }
    return command_line;
}

std::string CommandLineHelp() {
    return "Usage: korvane [OPTION...] [--] [FILE]\n"
           "Designs starships for the construction rules of the Zarnoth tabletop game.\n"
           "FILE, a design file (.k2d), is opened at start.\n"
           "\n"
           "Options:\n"
           "  -h, --help     print this help and exit\n"
           "  --version      print the program's title and version and exit\n"
           "  --designer     open the one-window designer\n"
           "  --classic      open the classic main window\n"
           "  --             every word after it is part of FILE, even one that starts with -\n"
           "\n"
           "The window system's own options (-platform NAME, -style NAME …) are taken too.\n"
           "See korvane(1); korvane-cli(1) does without a window what the program does.\n";
}

std::string CommandLineVersion() {
    return AppTitle() + "\n";
}

std::string RequestedPlatform(const std::vector<std::string>& arguments,
                              std::string_view environment_platform) {
    for (std::size_t i = 0; i + 1 < arguments.size() && arguments[i] != "--"; ++i) {
        if (arguments[i] == "-platform" || arguments[i] == "--platform") {
            return arguments[i + 1];
        }
    }
    return std::string(environment_platform);
}

std::optional<std::string> MissingDisplay(const DisplayRequest& request) {
    const std::vector<std::string_view> names = PlatformNames(request.platform);
    if (names.empty()) {
        if (!request.x_display.empty() || !request.wayland_display.empty()) {
            return std::nullopt;
        }
    } else {
        for (const std::string_view name : names) {
            if (CanStart(name, request)) {
                return std::nullopt;
            }
        }
    }
    return "korvane: there is no display to open the windows on (neither DISPLAY nor "
           "WAYLAND_DISPLAY is set); use korvane-cli, or a virtual display: xvfb-run korvane";
}

}  // namespace korvane::ui
