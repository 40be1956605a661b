#include "gui/slist4_dialog.h"

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

class Slist4DialogTest : public ::testing::Test {
protected:
    // Shows the window modally and does `act` in it.
    bool Run(const std::function<void(QWidget& dialog, QPlainTextEdit& text)>& act) {
        watchdog_.Expect([act](QWidget& dialog) {
            act(dialog, *dialog.findChild<QPlainTextEdit*>(QStringLiteral("Text1")));
        });
        return dialog_.Run();
    }

    static void Click(QWidget& dialog, const char* name) {
        dialog.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }

    ModalWatchdog watchdog_;
    ui_test::ScriptedDesktop desktop_;
    ui::Slist4 logic_{desktop_};
    gui::Slist4Dialog dialog_{logic_};
};

TEST_F(Slist4DialogTest, OkKeepsTheEditedTextAndCancelAnswersFalse) {
    logic_.Show("Batch Processing Errors", "a.k2d - error\r\n");
    EXPECT_TRUE(Run([](QWidget& dialog, QPlainTextEdit& text) {
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                  QStringLiteral("Batch Processing Errors"));
        EXPECT_EQ(text.toPlainText(), QStringLiteral("a.k2d - error\n"));
        text.moveCursor(QTextCursor::End);
        QTest::keyClicks(&text, QStringLiteral("checked"));
        Click(dialog, "Command1");
    }));
    EXPECT_EQ(logic_.Text1.text, "a.k2d - error\r\nchecked");

    EXPECT_FALSE(Run([](QWidget& dialog, QPlainTextEdit&) { Click(dialog, "Command2"); }));
    EXPECT_FALSE(
        Run([](QWidget& dialog, QPlainTextEdit&) { QTest::keyClick(&dialog, Qt::Key_Escape); }));
}

TEST_F(Slist4DialogTest, CtrlEnterInTheTextIsOkAndTypesNothing) {
    logic_.Show("Notes", "one");
    EXPECT_TRUE(Run([](QWidget&, QPlainTextEdit& text) {
        text.moveCursor(QTextCursor::End);
        QTest::keyClick(&text, Qt::Key_Return, Qt::ControlModifier);
    }));
    EXPECT_EQ(logic_.Text1.text, "one");
}

TEST_F(Slist4DialogTest, F5StampsTheDateAndTimeAtTheEndOfTheText) {
    logic_.Show("Notes", "Checked");
    QString shown;
    int caret = -1;
    Run([&](QWidget& dialog, QPlainTextEdit& text) {
        text.moveCursor(QTextCursor::Start);
        QTest::keyClick(&text, Qt::Key_F5);
        QTest::keyClick(&text, Qt::Key_F5);
        shown = text.toPlainText();
        caret = text.textCursor().position();
        Click(dialog, "Command1");
    });
    EXPECT_EQ(shown, QStringLiteral("Checked  07/Dec/2026 14:00:   07/Dec/2026 14:00: "));
    EXPECT_EQ(caret, shown.size());
}

TEST_F(Slist4DialogTest, PrintAllAndPrintSelectionPrintWhatTheWindowShows) {
    logic_.Show("Feature List", "alpha beta gamma");
    Run([](QWidget& dialog, QPlainTextEdit& text) {
        QTextCursor cursor = text.textCursor();
        cursor.setPosition(6);
        cursor.setPosition(10, QTextCursor::KeepAnchor);
        text.setTextCursor(cursor);
        Click(dialog, "Command3");
        Click(dialog, "Command4");
        Click(dialog, "Command2");
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
