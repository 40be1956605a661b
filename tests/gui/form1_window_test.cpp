#include "gui/form1_window.h"

#include <QKeySequence>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "engine/status_summary.h"
#include "files/design_file.h"
#include "gui/korvawbu_window.h"
#include "gui/program_fixture.h"
#include "gui/screen_placement.h"

namespace korvane::gui_test {
namespace {

using ui::ButtonArray;

class Form1WindowTest : public ProgramTest {
protected:
    // A design file for a ship of that name, beside the test's configuration.
    std::string SavedShip(const std::string& file_name, const std::string& ship_name) {
        Design ship = program_.session().design;
        ship.SetShipName(ship_name);
        const std::string path = (home_ / file_name).string();
        EXPECT_TRUE(WriteDesignFile(path, ship).ok());
        return path;
    }

    void Press(const QKeySequence& keys) {
        Main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
        QTest::keySequence(&Main(), keys);
    }
};

TEST_F(Form1WindowTest, StartShowsTheMainWindowAndTheTotalsAtTheTopRight) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Main().isVisible());
    EXPECT_EQ(Main().windowTitle(), QStringLiteral("Korvane v1.1"));
    ASSERT_TRUE(Totals().isVisible());
    const QRect area = gui::AvailableScreenArea();
    EXPECT_EQ(Totals().frameGeometry().right(), area.right());
    EXPECT_EQ(Totals().frameGeometry().top(), area.top());
    EXPECT_NEAR(Main().frameGeometry().center().x(), area.center().x(), 1);
    EXPECT_TRUE(TotalsText("Label6").startsWith(QStringLiteral("D: 100")));

    // The section editors are not there yet: their buttons and labels are greyed.
    EXPECT_FALSE(Button(ButtonArray::Command3D1, 0)->isEnabled());
    EXPECT_EQ(Button(ButtonArray::Command3D1, 0)->toolTip(), QStringLiteral("Hull & basic data"));
    EXPECT_TRUE(Button(ButtonArray::Command3D1, 10)->isEnabled());
    EXPECT_EQ(Button(ButtonArray::Command3D2, 0)->toolTip(),
              QStringLiteral("Load Design (Ctrl+O)"));
    EXPECT_FALSE(Button(ButtonArray::Command3D2, 0)->icon().isNull());
}

TEST_F(Form1WindowTest, TheCommandLineDesignIsLoadedAndNamedInTheTitle) {
    const std::string path = SavedShip("Far Trader.k2d", "Beowulf");
    ASSERT_TRUE(Start({path}));
    EXPECT_EQ(Main().windowTitle(), QStringLiteral("Korvane v1.1 - Far Trader.k2d"));
    EXPECT_TRUE(TotalsText("Label1").startsWith(QStringLiteral("Beowulf")));

    MarkChanged(program_.session().design);
    Main().Refresh();
    EXPECT_EQ(Main().windowTitle(), QStringLiteral("Korvane v1.1 - Far Trader.k2d *"));
}

TEST_F(Form1WindowTest, ACommandLineDesignThatCannotBeReadIsReportedAndTheNewDesignStays) {
    const std::string path = (home_ / "notes.k2d").string();
    testing::WriteText(path, "not a design\r\n");
    QString message;
    watchdog_.Expect([&message](QWidget& dialog) {
        auto& box = dynamic_cast<QMessageBox&>(dialog);
        message = box.text();
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        box.button(QMessageBox::Ok)->click();
    });
    ASSERT_TRUE(Start({path}));
    EXPECT_TRUE(message.contains(QString::fromStdString(path))) << message.toStdString();
    EXPECT_EQ(Main().windowTitle(), QStringLiteral("Korvane v1.1"));
}

TEST_F(Form1WindowTest, ExitAsksAboutUnsavedChangesWithNoAsTheDefault) {
    ASSERT_TRUE(Start());
    MarkChanged(program_.session().design);
    watchdog_.Expect([](QWidget& dialog) {
        auto& box = dynamic_cast<QMessageBox&>(dialog);
        EXPECT_EQ(box.text(), QStringLiteral("You haven't saved your changes. Are you sure?"));
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::No));
        QTest::keyClick(&box, Qt::Key_Return);
    });
    Press(QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_EQ(watchdog_.Answered(), 1);
    EXPECT_EQ(ended_, 0);
    EXPECT_TRUE(program_.session().design.DesignChanged);

    // The title bar's close box asks the same; Yes ends the program.
    watchdog_.Expect(ClickButton(QStringLiteral("Yes")));
    EXPECT_TRUE(Main().close());
    EXPECT_EQ(ended_, 1);
}

TEST_F(Form1WindowTest, F5RecalculatesAndTheTotalsFollow) {
    ASSERT_TRUE(Start());
    program_.session().design.Slots[1].KL = 2700;
    Press(QKeySequence(Qt::Key_F5));
    EXPECT_TRUE(TotalsText("Label6").startsWith(QStringLiteral("D: 200")))
        << TotalsText("Label6").toStdString();
}

TEST_F(Form1WindowTest, MinimisingTheMainWindowHidesTheTotalsAndRestoringShowsThem) {
    ASSERT_TRUE(Start());
    Main().showMinimized();
    EXPECT_TRUE(WaitUntil([this] { return !Totals().isVisible(); }));
    Main().showNormal();
    EXPECT_TRUE(WaitUntil([this] { return Totals().isVisible(); }));
    // The totals window follows the main window; its own close box does nothing.
    EXPECT_FALSE(Totals().close());
    EXPECT_TRUE(Totals().isVisible());
}

TEST_F(Form1WindowTest, ListFeaturesShowsTheTextWindowModally) {
    ASSERT_TRUE(Start());
    QString heading;
    QString text;
    watchdog_.Expect([&](QWidget& dialog) {
        heading = dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text();
        text = dialog.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Button(ButtonArray::Command3D2, 7)->click();
    EXPECT_EQ(heading, QStringLiteral("Feature List"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Feature List\n\n01 Basic hull")))
        << text.toStdString();
    EXPECT_FALSE(text.contains(QLatin1Char('\r')));
}

TEST_F(Form1WindowTest, LastEditsOffersTheRememberedFilesInTheChoiceDialog) {
    ASSERT_TRUE(Start({SavedShip("b.k2d", "Bravo")}));
    const std::string alpha = SavedShip("a.k2d", "Alpha");
    watchdog_.Expect(ChoosePath(QString::fromStdString(alpha)));
    Button(ButtonArray::Command3D2, 0)->click();
    ASSERT_EQ(Main().windowTitle(), QStringLiteral("Korvane v1.1 - a.k2d"));

    QStringList options;
    watchdog_.Expect([&options](QWidget& dialog) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->isVisible()) {
                options << button->text();
            }
        }
        dialog.findChildren<QPushButton*>().at(1)->click();
    });
    Button(ButtonArray::Command3D2, 4)->click();
    ASSERT_EQ(options.size(), 3);
    EXPECT_EQ(options[0].trimmed(), QString::fromStdString(alpha));
    EXPECT_EQ(options[2], QStringLiteral("Abandon"));
    EXPECT_EQ(Main().windowTitle(), QStringLiteral("Korvane v1.1 - b.k2d"));
    EXPECT_TRUE(TotalsText("Label1").startsWith(QStringLiteral("Bravo")));
}

TEST_F(Form1WindowTest, FastResaveWithoutAFileSaysSo) {
    ASSERT_TRUE(Start());
    QString message;
    watchdog_.Expect([&message](QWidget& dialog) {
        message = dynamic_cast<QMessageBox&>(dialog).text();
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    Press(QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(message, QStringLiteral("No file to resave"));
}

TEST_F(Form1WindowTest, AboutShowsTheAboutBoxAndFromThereTheDisclaimer) {
    ASSERT_TRUE(Start());
    QStringList titles;
    const auto answer = [&titles](const QString& button) {
        return [&titles, button](QWidget& dialog) {
            titles << dialog.windowTitle();
            ClickButton(button)(dialog);
        };
    };
    watchdog_.Expect(answer(QStringLiteral("Disclaimer...")));
    watchdog_.Expect(answer(QStringLiteral("Ok")));
    watchdog_.Expect(answer(QStringLiteral("OK")));
    Main().findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(titles, (QStringList{"About Korvane v1.1", "Disclaimer", "About Korvane v1.1"}));
}

TEST_F(Form1WindowTest, BulkSaveOptionsSwapsTheMainWindowForTheBatchWindowUntilDone) {
    ASSERT_TRUE(Start());
    Button(ButtonArray::Command3D2, 5)->click();
    gui::KorvawbuWindow& batch = program_.BatchWindow();
    EXPECT_FALSE(Main().isVisible());
    ASSERT_TRUE(batch.isVisible());
    EXPECT_TRUE(Totals().isVisible());
    batch.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    EXPECT_FALSE(batch.isVisible());
    EXPECT_TRUE(Main().isVisible());
}

}  // namespace
}  // namespace korvane::gui_test
