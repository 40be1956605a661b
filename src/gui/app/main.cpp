#include <QApplication>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>

#include <csignal>
#include <string>
#include <vector>

#include "gui/korvane_program.h"

// KORVANE_EXIT_WHEN_SHOWN=1 ends the program as soon as its main window has
// been shown, for measuring the start-up (bench/startup_bench.sh).
int main(int argc, char** argv) {
    // A file-size limit (ulimit -f, a quota) then fails the write, which is
    // reported, instead of ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    // Ties the windows to the desktop entry, whose icon and name the desktop shows.
    QApplication::setDesktopFileName(QStringLiteral(KORVANE_APP_ID));
    // Icons come from the desktop's theme, Adwaita's filling its gaps. A
    // platform without a desktop theme (offscreen, a framebuffer) looks for
    // them where the desktop keeps them.
    if (QIcon::themeName().isEmpty()) {
        QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() +
                                   QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                             QStringLiteral("icons"),
                                                             QStandardPaths::LocateDirectory));
        QIcon::setThemeName(QStringLiteral("hicolor"));
    }
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));

    // The file name as the system gave it: QApplication has taken its own
    // options out of argv, and a name in no valid encoding (bytes that are not
    // UTF-8) would not survive a trip through QString.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    korvane::gui::KorvaneProgram program;
    if (!program.Start(arguments)) {
        return 1;
    }
    if (qEnvironmentVariableIntValue("KORVANE_EXIT_WHEN_SHOWN") == 1) {
        QTimer::singleShot(0, &application, [] { QCoreApplication::exit(0); });
    }
    return QApplication::exec();
}
