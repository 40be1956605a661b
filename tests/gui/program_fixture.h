#pragma once

// The desktop program started as `korvane` starts, in a configuration, data
// and state folder of the test's own, with a watchdog for its modal dialogs.

#include <QAbstractButton>
#include <QLabel>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "gui/korvane_program.h"
#include "gui/main_window_view.h"
#include "gui/modal_watchdog.h"
#include "gui/totals_window_view.h"
#include "support/temp_dir.h"

namespace korvane::gui_test {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("XDG_CONFIG_HOME", (home_ / "config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (home_ / "data").c_str(), 1);
        ::setenv("XDG_STATE_HOME", (home_ / "state").c_str(), 1);
    }

    void TearDown() override {
        ::setenv("XDG_CONFIG_HOME", saved_config_.c_str(), 1);
        ::setenv("XDG_DATA_HOME", saved_data_.c_str(), 1);
        ::setenv("XDG_STATE_HOME", saved_state_.c_str(), 1);
    }

    bool Start(const std::vector<std::string>& arguments = {}) { return program_.Start(arguments); }

    gui::MainWindowView& Main() { return program_.MainWindow(); }
    gui::TotalsWindowView& Totals() { return program_.TotalsWindow(); }
    QAbstractButton* Button(ui::MainWindowCommand command) { return Main().Button(command); }
    QString TotalsText(const char* label) {
        return Totals().findChild<QLabel*>(QString::fromLatin1(label))->text();
    }

    testing::TempDir home_;
    std::string saved_config_ = std::getenv("XDG_CONFIG_HOME");
    std::string saved_data_ = std::getenv("XDG_DATA_HOME");
    std::string saved_state_ = std::getenv("XDG_STATE_HOME");
    ModalWatchdog watchdog_;
    int ended_ = 0;  // the program would have ended so often
    gui::KorvaneProgram program_{[this] { ++ended_; }};
};

}  // namespace korvane::gui_test
