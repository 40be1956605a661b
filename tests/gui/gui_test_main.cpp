// The view tests run on the offscreen platform (unless QT_QPA_PLATFORM names
// another) with HOME and the XDG folders in a temporary folder of their own,
// so that no test reads or writes the user's configuration or catalog.

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/temp_dir.h"

namespace {

// The offscreen platform's notes on what it cannot do for a window (raise it,
// pass its size hints on) say nothing about the views under test.
void WithoutPlatformNotes(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (!message.startsWith(QStringLiteral("This plugin does not support"))) {
        qt_message_output(type, context, message);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const korvane::testing::TempDir home;
    const std::filesystem::path runtime = home / "runtime";
    std::filesystem::create_directory(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    ::setenv("HOME", home.path().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    ::setenv("XDG_STATE_HOME", (home / "state").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    ::unsetenv("WINDIR");
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);

    qInstallMessageHandler(WithoutPlatformNotes);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
