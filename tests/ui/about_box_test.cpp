#include <gtest/gtest.h>

#include "support/scripted_prompter.h"
#include "ui/about_box.h"
#include "ui/scripted_desktop.h"

namespace korvane::ui {
namespace {

TEST(AboutBox, SystemInfoStartsTheFirstInstalledProgramThatStartsOrSaysThereIsNone) {
    ui_test::ScriptedDesktop desktop;
    testing::ScriptedPrompter prompter;
    AboutBox about;
    desktop.installed = {{"hardinfo", "/usr/bin/hardinfo"},
                         {"kinfocenter", "/usr/bin/kinfocenter"}};
    desktop.failing_programs = {"/usr/bin/hardinfo"};
    about.SystemInfo(desktop, prompter);
    EXPECT_EQ(desktop.started,
              (std::vector<std::string>{"/usr/bin/hardinfo", "/usr/bin/kinfocenter"}));
    EXPECT_TRUE(prompter.questions().empty());

    desktop.installed.clear();
    about.SystemInfo(desktop, prompter);
    ASSERT_EQ(prompter.questions().size(), 1u);
    EXPECT_EQ(prompter.questions()[0].text, "System Information Is Unavailable At This Time");
}

}  // namespace
}  // namespace korvane::ui
