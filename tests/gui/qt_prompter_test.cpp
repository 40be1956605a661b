#include "gui/qt_prompter.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include "gui/file_dialog.h"
#include "gui/modal_watchdog.h"
#include "gui/option_question_view.h"
#include "gui/qt_text.h"
#include "gui/screen_placement.h"
#include "support/temp_dir.h"
#include "ui/option_question.h"

namespace korvane::gui_test {
namespace {

QStringList VisibleButtons(QWidget& dialog) {
    QStringList texts;
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->isVisible()) {
            texts << button->text();
        }
    }
    return texts;
}

class QtPrompterTest : public ::testing::Test {
protected:
    ModalWatchdog watchdog_;
    gui::QtPrompter prompter_;
};

TEST_F(QtPrompterTest, YesNoHasNoAsItsDefaultAndEscapeAnswersNo) {
    watchdog_.Expect([](QWidget& dialog) {
        auto& box = dynamic_cast<QMessageBox&>(dialog);
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Korvane v1.1"));
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::No));
        QTest::keyClick(&box, Qt::Key_Return);
    });
    EXPECT_FALSE(prompter_.AskYesNo("Korvane v1.1", "Are you sure?", MessageIcon::Critical));
    watchdog_.Expect(PressKey(Qt::Key_Escape));
    EXPECT_FALSE(prompter_.AskYesNo("Korvane v1.1", "Are you sure?", MessageIcon::Critical));
    watchdog_.Expect(ClickButton(QStringLiteral("Yes")));
    EXPECT_TRUE(prompter_.AskYesNo("Korvane v1.1", "Are you sure?", MessageIcon::Critical));
}

TEST_F(QtPrompterTest, AQuestionWithYesAsItsDefaultAnswersYesOnEnterAndEscape) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        watchdog_.Expect([key](QWidget& dialog) {
            auto& box = dynamic_cast<QMessageBox&>(dialog);
            EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Yes));
            QTest::keyClick(&box, key);
        });
        EXPECT_TRUE(prompter_.AskYesNo("Korvane v1.1", "Fix value?", MessageIcon::Information,
                                       DefaultAnswer::Yes));
    }
    watchdog_.Expect(ClickButton(QStringLiteral("No")));
    EXPECT_FALSE(prompter_.AskYesNo("Korvane v1.1", "Fix value?", MessageIcon::Information,
                                    DefaultAnswer::Yes));
}

TEST_F(QtPrompterTest, MessagesShowWindowsTextAsItStands) {
    QString text;
    watchdog_.Expect([&text](QWidget& dialog) {
        auto& box = dynamic_cast<QMessageBox&>(dialog);
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        text = box.text();
        box.button(QMessageBox::Ok)->click();
    });
    prompter_.ShowMessage("Korvane", "Caf\xE9 <b>Nova</b>\r\nline two", MessageIcon::None);
    EXPECT_EQ(text, QStringLiteral("Caf\u00E9 <b>Nova</b>\nline two"));
}

TEST_F(QtPrompterTest, TheOptionQuestionShowsTheOptionsAndReturnsTheClickedOne) {
    QStringList shown;
    QString title;
    QSize size;
    watchdog_.Expect([&](QWidget& dialog) {
        shown = VisibleButtons(dialog);
        title = dialog.windowTitle();
        size = dialog.size();
        dialog.findChildren<QPushButton*>().at(1)->click();
    });
    EXPECT_EQ(prompter_.Choose("Installed item", {"Remove", "Change number", "R&D"}), 2);
    EXPECT_EQ(title, QStringLiteral("Installed item"));
    EXPECT_EQ(shown, (QStringList{"Remove", "Change number", "R&&D"})) << "\"&\" is shown as it is";

    // The dialog's rules in twips are the least it takes on the screen.
    ui::OptionQuestion rules;
    rules.Ask("Installed item", {"Remove", "Change number", "R&D"});
    QWidget screen;
    EXPECT_GE(size.width(), gui::PixelsFromTwips(rules.WindowWidth, screen));
    EXPECT_GE(size.height(), gui::PixelsFromTwips(rules.WindowHeight, screen));

    // Reused for a shorter question, it shows only the new options.
    watchdog_.Expect([&shown](QWidget& dialog) {
        shown = VisibleButtons(dialog);
        dialog.findChildren<QPushButton*>().at(0)->click();
    });
    EXPECT_EQ(prompter_.Choose("How many?", {"1"}), 1);
    EXPECT_EQ(shown, QStringList{"1"});
}

// "Last x edits..." offers whole paths: one of thousands of characters is cut
// in its middle, shown whole in its tooltip, and chosen as it is.
TEST_F(QtPrompterTest, TheOptionQuestionIsNeverWiderThanTheScreen) {
    const std::string path = "/home/ann/" + std::string(4000, 'x') + "/the-end-of-it.k2d";
    QString text;
    QString tooltip;
    int width = 0;
    watchdog_.Expect([&](QWidget& dialog) {
        auto* first = dialog.findChild<QPushButton*>(QStringLiteral("Option_0"));
        text = first->text();
        tooltip = first->toolTip();
        width = dialog.frameGeometry().width();
        first->click();
    });
    EXPECT_EQ(prompter_.Choose("Previous Edits", {"    " + path + "    /", "Abandon"}), 1);
    EXPECT_LE(width, gui::AvailableScreenArea().width());
    EXPECT_TRUE(text.startsWith(QStringLiteral("    /home/ann/xx"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("the-end-of-it.k2d    /"))) << text.toStdString();
    EXPECT_TRUE(tooltip.contains(QString::fromStdString(path)));
}

TEST_F(QtPrompterTest, DigitKeysAnswerACountQuestionAndEnterTakesItsDefault) {
    std::vector<std::string> counts;
    for (int count = 1; count <= 10; ++count) {
        counts.push_back(std::to_string(count));
    }
    const std::pair<int, std::optional<int>> keys[] = {
        {Qt::Key_7, 7}, {Qt::Key_0, 10}, {Qt::Key_Return, 1}, {Qt::Key_Escape, std::nullopt}};
    for (const auto& [key, chosen] : keys) {
        watchdog_.Expect(PressKey(key));
        EXPECT_EQ(prompter_.Choose("Install how many?", counts, 1), chosen) << key;
    }
    // Without a default, Enter chooses nothing; a key then still answers.
    watchdog_.Expect([](QWidget& dialog) {
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_2);
    });
    EXPECT_EQ(prompter_.Choose("Modify Accommodation", {"Remove", "2"}), 2);
}

TEST_F(QtPrompterTest, TheOptionQuestionShowsItsWholeTitleCentredOverTheAskingWindow) {
    QWidget asking;
    asking.setGeometry(100, 120, 700, 500);
    asking.show();
    ui::OptionQuestion logic;
    gui::OptionQuestionView view(logic);
    QRect placed;
    watchdog_.Expect([&placed](QWidget& dialog) {
        placed = dialog.geometry();
        dialog.findChildren<QPushButton*>().at(0)->click();
    });
    EXPECT_EQ(view.Ask("Modify Accommodation", {"1", "2"}, 1, &asking), 1);
    EXPECT_GT(placed.width(), view.fontMetrics().horizontalAdvance(view.windowTitle()) * 3 / 2)
        << "room for the title beside the title bar's buttons";
    EXPECT_LE(std::abs(placed.center().x() - asking.geometry().center().x()), 2);
    EXPECT_LE(std::abs(placed.center().y() - asking.geometry().center().y()), 2);
}

// The dialog is reused: where the focus was left last time says nothing.
TEST_F(QtPrompterTest, TheOptionQuestionStartsWithTheFocusOnItsDefaultElseOnItsFirstButton) {
    const struct {
        std::optional<int> default_option;  // counted from 1
        const char* focused;
    } cases[] = {{std::nullopt, "Option_0"}, {2, "Option_1"}, {std::nullopt, "Option_0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.focused);
        QString focused;
        watchdog_.Expect([&focused](QWidget& dialog) {
            focused = dialog.focusWidget() != nullptr ? dialog.focusWidget()->objectName() : "";
            QPushButton* third = dialog.findChild<QPushButton*>(QStringLiteral("Option_2"));
            third->setFocus();
            third->click();
        });
        EXPECT_EQ(prompter_.Choose("Modify Turrets", {"Remove", "2", "3"}, c.default_option), 3);
        EXPECT_EQ(focused.toStdString(), c.focused);
    }
}

// A question asked right after another has closed, before the window system
// has made the asking window active again, still opens over it.
TEST_F(QtPrompterTest, AQuestionOpensCentredOverTheWindowThatAsksEvenWhenNoneIsActive) {
    QWidget asking;
    asking.setObjectName(QStringLiteral("Asking"));
    asking.setGeometry(20, 40, 300, 240);
    asking.show();
    asking.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&asking));
    QList<QPoint> centres;
    const auto answer = [&centres](QWidget& dialog) {
        centres << dialog.frameGeometry().center();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    };
    for (int question = 0; question < 2; ++question) {
        watchdog_.Expect(answer);
        prompter_.Choose("Install how many?", {"1", "2"});
        QApplication::setActiveWindow(nullptr);
        watchdog_.Expect(answer);
        prompter_.AskText("Korvane v1.1", "How many?", "1");
        QApplication::setActiveWindow(nullptr);
    }
    ASSERT_EQ(centres.size(), 4);
    // Within what a window manager's title bar shifts, far from the screen's middle.
    for (const QPoint& centre : centres) {
        EXPECT_LE((centre - asking.frameGeometry().center()).manhattanLength(), 40)
            << centre.x() << "," << centre.y();
    }
}

TEST_F(QtPrompterTest, ClosingTheOptionQuestionIsNoChoice) {
    watchdog_.Expect(CloseDialog());
    EXPECT_EQ(prompter_.Choose("Previous Edits", {"a.k2d", "Abandon"}), std::nullopt);
    watchdog_.Expect(PressKey(Qt::Key_Escape));
    EXPECT_EQ(prompter_.Choose("Previous Edits", {"a.k2d", "Abandon"}), std::nullopt);
}

TEST_F(QtPrompterTest, FilePatternsMatchWhateverTheCase) {
    const QString pattern = gui::CaseInsensitivePattern(QStringLiteral("*.k2d"));
    EXPECT_EQ(pattern, QStringLiteral("*.[kK]2[dD]"));
    const QRegularExpression matcher(QRegularExpression::wildcardToRegularExpression(pattern));
    EXPECT_TRUE(matcher.match(QStringLiteral("scout.k2d")).hasMatch());
    EXPECT_TRUE(matcher.match(QStringLiteral("SCOUT.K2D")).hasMatch());
    EXPECT_FALSE(matcher.match(QStringLiteral("scout.k2p")).hasMatch());
}

TEST_F(QtPrompterTest, TheOpenDialogOpensInTheFolderWithTheFilterAndReturnsThePath) {
    testing::TempDir folder;
    testing::WriteText(folder / "SCOUT.K2D", "");
    QStringList filters;
    QString opened_in;
    watchdog_.Expect([&](QWidget& dialog) {
        auto& files = dynamic_cast<QFileDialog&>(dialog);
        filters = files.nameFilters();
        opened_in = files.directory().absolutePath();
        ChoosePath(QStringLiteral("SCOUT.K2D"))(dialog);
    });
    const auto chosen = prompter_.AskOpenFile(
        {"Load Design", "Ship design files", "*.k2d", "*.k2d", folder.path().string()});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, (folder / "SCOUT.K2D").string());
    EXPECT_EQ(opened_in.toStdString(), folder.path().string());
    ASSERT_FALSE(filters.isEmpty());
    EXPECT_EQ(filters[0], QStringLiteral("Ship design files (*.[kK]2[dD])"));

    watchdog_.Expect(CloseDialog());
    EXPECT_EQ(prompter_.AskSaveFile({"Save As", "Ship design files", "*.k2d", "a.k2d", ""}),
              std::nullopt);
}

TEST_F(QtPrompterTest, TheDirectoryChooserGivesAFolderEndingInTheSeparator) {
    testing::TempDir folder;
    std::filesystem::create_directory(folder / "fleet");
    QString opened_in;
    watchdog_.Expect([&opened_in](QWidget& dialog) {
        auto& files = dynamic_cast<QFileDialog&>(dialog);
        opened_in = files.directory().absolutePath();
        static_cast<QDialog&>(files).accept();
    });
    EXPECT_EQ(prompter_.ChooseDirectory((folder / "fleet").string()),
              (folder / "fleet").string() + "/");
    EXPECT_EQ(opened_in.toStdString(), (folder / "fleet").string());

    watchdog_.Expect(CloseDialog());
    EXPECT_EQ(prompter_.ChooseDirectory((folder / "fleet").string()), std::nullopt);
}

}  // namespace
}  // namespace korvane::gui_test
