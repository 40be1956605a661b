#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::ui {

// The window the program opens with: the main window with its picture
// buttons, or the one-window designer.
enum class FirstWindow { Classic, Designer };

// What the desktop program's command line asks for. The words that are no
// option name the design file to open (joined by blanks, as the shell split
// them); after "--" every word is one.
struct CommandLine {
    bool help = false;
    bool version = false;
    // `--designer` or `--classic`, the last one given; none without either.
    std::optional<FirstWindow> first_window;
    std::vector<std::string> file_words;
    // The first word that looks like an option ("-x", "--frobnicate") and is none.
    std::string unknown_option;
};

// Reads the arguments after the program's name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// What --help prints: the usage line and every option.
std::string CommandLineHelp();

// What --version prints: the program's title.
std::string CommandLineVersion();

// The window system the program would start on, as the environment and the
// command line name it.
struct DisplayRequest {
    std::string platform;         // "-platform NAME", else QT_QPA_PLATFORM; empty when neither
    std::string x_display;        // DISPLAY
    std::string wayland_display;  // WAYLAND_DISPLAY
};

// The "-platform NAME" among the arguments, else
// `environment_platform`.
std::string RequestedPlatform(const std::vector<std::string>& arguments,
                              std::string_view environment_platform);

// Why the program cannot open its windows, in one line; no value when it can:
// an X or Wayland display is named, or the platform is one that draws without
// a window system (offscreen, a framebuffer, VNC …).
std::optional<std::string> MissingDisplay(const DisplayRequest& request);

}  // namespace korvane::ui
