#include "gui/text_window_view.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

#include <gtest/gtest.h>

#include "gui/modal_watchdog.h"
#include "ui/scripted_desktop.h"

namespace korvane::gui_test {
namespace {

class TextWindowViewTest : public ::testing::Test {
protected:
    // Shows the window modally and does `act` in it.
    bool Run(const std::function<void(QWidget& dialog, QPlainTextEdit& text)>& act) {
        watchdog_.Expect([act](QWidget& dialog) {
            act(dialog, *dialog.findChild<QPlainTextEdit*>(QStringLiteral("Text")));
        });
        return dialog_.Run();
    }

    static void Click(QWidget& dialog, const char* name) {
        dialog.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }

    ModalWatchdog watchdog_;
    ui_test::ScriptedDesktop desktop_;
    ui::TextWindow logic_{desktop_};
    gui::TextWindowView dialog_{logic_};
};

TEST_F(TextWindowViewTest, OkKeepsTheEditedTextAndCancelAnswersFalse) {
    logic_.Show("Batch Processing Errors", "a.k2d - error\r\n");
    EXPECT_TRUE(Run([](QWidget& dialog, QPlainTextEdit& text) {
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Heading"))->text(),
                  QStringLiteral("Batch Processing Errors"));
        EXPECT_EQ(text.toPlainText(), QStringLiteral("a.k2d - error\n"));
        text.moveCursor(QTextCursor::End);
        QTest::keyClicks(&text, QStringLiteral("checked"));
        Click(dialog, "Ok");
    }));
    EXPECT_EQ(logic_.text.text, "a.k2d - error\r\nchecked");

    EXPECT_FALSE(Run([](QWidget& dialog, QPlainTextEdit&) { Click(dialog, "Cancel"); }));
    EXPECT_FALSE(
        Run([](QWidget& dialog, QPlainTextEdit&) { QTest::keyClick(&dialog, Qt::Key_Escape); }));
}

TEST_F(TextWindowViewTest, CtrlEnterInTheTextIsOkAndTypesNothing) {
    logic_.Show("Notes", "one");
    EXPECT_TRUE(Run([](QWidget&, QPlainTextEdit& text) {
        text.moveCursor(QTextCursor::End);
        QTest::keyClick(&text, Qt::Key_Return, Qt::ControlModifier);
    }));
    EXPECT_EQ(logic_.text.text, "one");
}

TEST_F(TextWindowViewTest, F5StampsTheDateAndTimeAtTheEndOfTheText) {
    logic_.Show("Notes", "Checked");
    QString shown;
    int caret = -1;
    Run([&](QWidget& dialog, QPlainTextEdit& text) {
        text.moveCursor(QTextCursor::Start);
        QTest::keyClick(&text, Qt::Key_F5);
        QTest::keyClick(&text, Qt::Key_F5);
        shown = text.toPlainText();
        caret = text.textCursor().position();
        Click(dialog, "Ok");
    });
    EXPECT_EQ(shown, QStringLiteral("Checked  07/Dec/2026 14:00:   07/Dec/2026 14:00: "));
    EXPECT_EQ(caret, shown.size());
}

TEST_F(TextWindowViewTest, PrintAllAndPrintSelectionPrintWhatTheWindowShows) {
    logic_.Show("Feature List", "alpha beta gamma");
    Run([](QWidget& dialog, QPlainTextEdit& text) {
        QTextCursor cursor = text.textCursor();
        cursor.setPosition(6);
        cursor.setPosition(10, QTextCursor::KeepAnchor);
        text.setTextCursor(cursor);
        Click(dialog, "PrintAll");
        Click(dialog, "PrintSelection");
        Click(dialog, "Cancel");
    });
    ASSERT_EQ(desktop_.jobs.size(), 2u);
    const ui_test::PrintedJob& all = desktop_.jobs.front();
    EXPECT_EQ(all.bold_texts, std::vector<std::string>{"Feature List"});
    ASSERT_EQ(all.lines.size(), 3u);
    EXPECT_EQ(all.lines[2], " alpha beta gamma");
    const ui_test::PrintedJob& selection = desktop_.jobs.back();
    ASSERT_EQ(selection.lines.size(), 3u);
    EXPECT_EQ(selection.lines[2], "beta");
}

}  // namespace
}  // namespace korvane::gui_test
