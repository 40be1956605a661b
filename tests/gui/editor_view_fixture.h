#pragma once

// A section editor's window over a session with the standard catalog, with a
// watchdog for modal dialogs, a count of the times it closed and of the
// design-changed notices.

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/session.h"
#include "gui/access_keys.h"
#include "gui/form_editor_view.h"
#include "gui/modal_watchdog.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"
#include "support/test_session.h"
#include "ui/editors/list_editor_test_support.h"

namespace korvane::gui_test {

template <typename Logic, typename View>
class EditorViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::StartTestSession(session_, dir_.path());
        logic_ = std::make_unique<Logic>(session_, document_, prompter_);
        view_ = std::make_unique<View>(*logic_);
        QObject::connect(view_.get(), &gui::FormEditorView::closed, [this] { ++closed_; });
    }

    Design& design() { return session_.design; }

    template <typename Widget>
    Widget& Find(const char* name) {
        auto* widget = view_->template findChild<Widget*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            ADD_FAILURE() << "no control " << name;
            static Widget none;
            return none;
        }
        return *widget;
    }
    QLineEdit& TextBox(const char* name) { return Find<QLineEdit>(name); }
    QComboBox& ComboBox(const char* name) { return Find<QComboBox>(name); }

    // Types into a text box as a user does, over what it holds.
    void Type(const char* name, const QString& text) {
        QLineEdit& box = TextBox(name);
        box.selectAll();
        QTest::keyClicks(&box, text);
    }
    void Choose(const char* name, int row) { ComboBox(name).setCurrentIndex(row); }
    void Press(const char* name, Qt::Key key) { QTest::keyClick(&Find<QWidget>(name), key); }

    // The window's title and frame, as every editor shows them.
    void ExpectTitleAndFrame(const QString& frame) {
        EXPECT_EQ(view_->windowTitle(), QString::fromStdString(AppTitle()));
        EXPECT_EQ(Find<QGroupBox>("Frame").title(), frame);
    }

    // The controls Tab reaches, in the order it reaches them, from `first`
    // round to where it started.
    std::string TabChain(const char* first) {
        std::string names;
        QWidget* start = &Find<QWidget>(first);
        QWidget* widget = start;
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty() &&
                widget->isVisibleTo(view_.get())) {
                names += widget->objectName().toStdString() + " ";
            }
            widget = widget->nextInFocusChain();
        } while (widget != start);
        return names;
    }

    // The access keys of the window's captions, each once, and at least four.
    ::testing::AssertionResult DistinctAccessKeys() {
        return gui_test::DistinctAccessKeys(*view_, 4);
    }

    ModalWatchdog watchdog_;
    testing::TempDir dir_;
    Session session_;
    testing::ScriptedPrompter prompter_;
    ui::DesignDocument document_{session_};
    ui_test::NoticeCounter notices_{document_};
    std::unique_ptr<Logic> logic_;
    std::unique_ptr<View> view_;
    int closed_ = 0;
};

}  // namespace korvane::gui_test
