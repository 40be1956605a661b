#include <QApplication>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "gui/korvane_program.h"
#include "ui/command_line.h"

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

QtMessageHandler qt_message_handler = nullptr;

// Qt ends the program when it reaches no window system (a DISPLAY whose
// server has gone); while the application starts, that is said in one line
// and the program ends with 1 rather than abort.
void EndWhenNoWindowSystem(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type != QtFatalMsg) {
        qt_message_handler(type, context, message);
        return;
    }
    std::cerr << "korvane: no window system could be reached (DISPLAY=\"" << Environment("DISPLAY")
              << "\", WAYLAND_DISPLAY=\"" << Environment("WAYLAND_DISPLAY")
              << "\"); use korvane-cli, or a virtual display: xvfb-run korvane\n";
    std::_Exit(1);
}

}  // namespace

// KORVANE_EXIT_WHEN_SHOWN=1 ends the program as soon as its main window has
// been shown, for measuring the start-up (bench/startup_bench.sh).
int main(int argc, char** argv) {
    // A file-size limit (ulimit -f, a quota) then fails the write, which is
    // reported, instead of ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    // Help and version need no window system, so they come before Qt starts.
    const std::vector<std::string> given(argv + 1, argv + argc);
    const korvane::ui::CommandLine asked = korvane::ui::ParseCommandLine(given);
    if (asked.help) {
        std::cout << korvane::ui::CommandLineHelp();
        return 0;
    }
    if (asked.version) {
        std::cout << korvane::ui::CommandLineVersion();
        return 0;
    }
    const std::optional<std::string> missing = korvane::ui::MissingDisplay(
        {korvane::ui::RequestedPlatform(given, Environment("QT_QPA_PLATFORM")),
         Environment("DISPLAY"), Environment("WAYLAND_DISPLAY")});
    if (missing) {
        std::cerr << *missing << '\n';
        return 1;
    }

    qt_message_handler = qInstallMessageHandler(EndWhenNoWindowSystem);
    QApplication application(argc, argv);
    qInstallMessageHandler(qt_message_handler);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    // Ties the windows to the desktop entry, whose icon and name the desktop shows.
    QApplication::setDesktopFileName(QStringLiteral(KORVANE_APP_ID));
    // Icons come from the desktop's theme, Adwaita's filling its gaps. A
    // platform without a desktop theme (offscreen, a framebuffer) looks for
    // them where the desktop keeps them, in Adwaita and what it builds on:
    // starting from hicolor, the catalogue of every program's icons, would
    // read all of it before the first picture.
    if (QIcon::themeName().isEmpty()) {
        QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() +
                                   QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                             QStringLiteral("icons"),
                                                             QStandardPaths::LocateDirectory));
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    }
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));

    // Read again as the system gave it, now that QApplication has taken its
    // own options out of argv: a file name in no valid encoding (bytes that
    // are not UTF-8) would not survive a trip through QString.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::string unknown_option = korvane::ui::ParseCommandLine(arguments).unknown_option;
    if (!unknown_option.empty()) {
        std::cerr << "korvane: unknown option " << unknown_option
                  << " (korvane --help lists the options)\n";
        return 2;
    }
    korvane::gui::KorvaneProgram program;
    if (!program.Start(arguments)) {
        return 1;
    }
    if (qEnvironmentVariableIntValue("KORVANE_EXIT_WHEN_SHOWN") == 1) {
        QTimer::singleShot(0, &application, [] { QCoreApplication::exit(0); });
    }
    return QApplication::exec();
}
