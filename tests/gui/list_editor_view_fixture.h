#pragma once

// A list editor's window over a session on the standard catalog, answering
// its questions with Qt dialogs under the modal watchdog.

#include <QListWidget>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "gui/child_widget.h"
#include "gui/item_view_rows.h"
#include "gui/list_editor_view.h"
#include "gui/modal_watchdog.h"
#include "gui/qt_prompter.h"
#include "support/temp_dir.h"
#include "support/test_session.h"

namespace korvane::gui_test {

template <typename Editor, typename View = gui::ListEditorView>
class ListEditorViewTest : public ::testing::Test {
protected:
    // The window is made once the session has its catalog, as the program makes it.
    void SetUp() override {
        testing::StartTestSession(session_, home_.path());
        logic_ = std::make_unique<Editor>(session_, document_, prompter_);
        view_ = std::make_unique<View>(*logic_);
        view_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
    }

    View& window() { return *view_; }
    QTableView& Available() { return Child<QTableView>(window(), "Available"); }
    QListWidget& Installed() { return Child<QListWidget>(window(), "Installed"); }

    ModalWatchdog watchdog_;
    testing::TempDir home_;
    Session session_;
    ui::DesignDocument document_{session_};
    gui::QtPrompter prompter_;
    std::unique_ptr<Editor> logic_;
    std::unique_ptr<View> view_;
};

}  // namespace korvane::gui_test
