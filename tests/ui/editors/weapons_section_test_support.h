#pragma once

// What the tests of the weapons section's list editors share.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "ui/editors/list_editor_test_support.h"

namespace korvane::ui_test {

inline std::string Padded(std::string_view label) {
    std::string text(label);
    text.resize(20, ' ');
    return text;
}

// Opens a new `Editor` on the design as it stands, as the program does each
// time, shows the details of installed row `row` and leaves with "Done":
// whether the details line reads `details`, "Done" leads back to the weapon
// systems editor, and the design file and its changed mark stayed as they were.
template <typename Editor>
::testing::AssertionResult ReopeningChangesNothing(Session& session, ui::DesignDocument& document,
                                                   Prompter& prompter, int row,
                                                   const std::string& details) {
    const Design before = session.design;
    Editor reopened{session, document, prompter};
    reopened.Load();
    reopened.Activate();
    reopened.installed.Select(row);
    reopened.ShowInstalledDetails();
    if (reopened.installed_details.caption != details) {
        return ::testing::AssertionFailure()
               << "details \"" << reopened.installed_details.caption << "\"";
    }
    if (session.design.DesignChanged != before.DesignChanged) {
        return ::testing::AssertionFailure() << "the changed mark moved";
    }
    return SameDesignFile(session.design, before);
}

}  // namespace korvane::ui_test
