#include "ui/command_line.h"

#include <gtest/gtest.h>

namespace korvane::ui {
namespace {

TEST(CommandLineTest, OptionsAreTakenAndTheOtherWordsNameTheFile) {
    struct Case {
        std::vector<std::string> arguments;
        bool help;
        bool version;
        std::vector<std::string> file_words;
        std::string unknown_option;
    };
    const Case cases[] = {
        {{}, false, false, {}, ""},
        {{"--help"}, true, false, {}, ""},
        {{"-h"}, true, false, {}, ""},
        {{"ship.k2d", "--version"}, false, true, {"ship.k2d"}, ""},
        // A name with blanks comes as several words; a lone "-" is a name.
        {{"my", "ship.k2d"}, false, false, {"my", "ship.k2d"}, ""},
        {{"-"}, false, false, {"-"}, ""},
        // After "--" nothing is an option, not even "--help".
        {{"--", "--help", "-odd.k2d"}, false, false, {"--help", "-odd.k2d"}, ""},
        {{"--frobnicate", "-x", "ship.k2d"}, false, false, {"ship.k2d"}, "--frobnicate"},
        // "--help" was read as a file before: it must never be loaded.
        {{"ship.k2d", "--help"}, true, false, {"ship.k2d"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const CommandLine parsed = ParseCommandLine(c.arguments);
        EXPECT_EQ(parsed.help, c.help);
        EXPECT_EQ(parsed.version, c.version);
        EXPECT_EQ(parsed.file_words, c.file_words);
        EXPECT_EQ(parsed.unknown_option, c.unknown_option);
    }
    EXPECT_EQ(ParseCommandLine({}).first_window, std::nullopt);
    EXPECT_EQ(ParseCommandLine({"--classic", "--designer"}).first_window, FirstWindow::Designer);
    EXPECT_EQ(ParseCommandLine({"--designer", "--classic"}).first_window, FirstWindow::Classic);
    EXPECT_EQ(ParseCommandLine({"--", "--designer"}).first_window, std::nullopt);
}

TEST(CommandLineTest, TheHelpListsEveryOptionTheParserTakes) {
    const std::string help = CommandLineHelp();
    for (const char* option : {"-h, --help", "--version", "--designer", "--classic", "--  "}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(CommandLineVersion().rfind("Korvane v", 0), 0u) << CommandLineVersion();
}

TEST(CommandLineTest, TheProgramStartsOnlyWhereItHasADisplay) {
    struct Case {
        const char* platform;
        const char* x_display;
        const char* wayland_display;
        bool can_start;
    };
    const Case cases[] = {
        {"", "", "", false},
        {"", ":0", "", true},
        {"", "", "wayland-0", true},
        {"offscreen", "", "", true},
        {"offscreen:size=800x600", "", "", true},
        {"xcb", "", "", false},
        {"xcb", ":0", "", true},
        {"wayland", ":0", "", false},
        {"wayland;xcb", ":0", "", true},
        {"wayland-egl", "", "wayland-1", true},
        {"vnc", "", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.platform) + " DISPLAY=" + c.x_display +
                     " WAYLAND_DISPLAY=" + c.wayland_display);
        const std::optional<std::string> missing =
            MissingDisplay({c.platform, c.x_display, c.wayland_display});
        EXPECT_EQ(!missing.has_value(), c.can_start);
        if (missing) {
            EXPECT_EQ(missing->find('\n'), std::string::npos) << "one line";
            EXPECT_NE(missing->find("DISPLAY"), std::string::npos) << *missing;
        }
    }
}

TEST(CommandLineTest, ThePlatformOptionOutweighsTheEnvironment) {
    EXPECT_EQ(RequestedPlatform({"-platform", "offscreen"}, "xcb"), "offscreen");
    EXPECT_EQ(RequestedPlatform({"ship.k2d", "--platform", "vnc"}, ""), "vnc");
    EXPECT_EQ(RequestedPlatform({"ship.k2d"}, "xcb"), "xcb");
    EXPECT_EQ(RequestedPlatform({"--", "-platform", "offscreen"}, "xcb"), "xcb")
        << "after -- it is a file name";
    EXPECT_EQ(RequestedPlatform({"-platform"}, "xcb"), "xcb") << "no name follows";
}

}  // namespace
}  // namespace korvane::ui
