#include "gui/main_window_view.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QUrl>

#include <filesystem>
#include <fstream>

#include "app/window_places.h"
#include "engine/recalculate.h"
#include "engine/status_summary.h"
#include "files/design_file.h"
#include "gui/batch_window_view.h"
#include "gui/compare_window_view.h"
#include "gui/crew_editor_view.h"
#include "gui/hull_editor_view.h"
#include "gui/program_fixture.h"
#include "gui/screen_placement.h"
#include "gui/section_editor_host.h"
#include "gui/weapons_editor_view.h"

namespace korvane::gui_test {
namespace {

using ui::MainWindowCommand;

class MainWindowViewTest : public ProgramTest {
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

TEST_F(MainWindowViewTest, StartShowsTheMainWindowWithTheTotalsBesideItWhollyOnScreen) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Main().isVisible());
    EXPECT_EQ(Main().windowTitle(), QStringLiteral("Korvane v1.1"));
    ASSERT_TRUE(Totals().isVisible());
    QTest::qWait(300);
    const QRect area = gui::AvailableScreenArea();
    const QRect main = Main().frameGeometry();
    const QRect totals = Totals().frameGeometry();
    EXPECT_TRUE(area.contains(main)) << main.height() << " high";
    EXPECT_TRUE(area.contains(totals));
    EXPECT_EQ(totals.left(), main.right() + 1);
    EXPECT_EQ(totals.top(), main.top());
    EXPECT_NEAR(main.left() - area.left(), area.right() - totals.right(), 1) << "the pair centred";
    EXPECT_TRUE(TotalsText("Displacement").startsWith(QStringLiteral("D: 100")));

    // Every section has its editor.
    for (const MainWindowCommand section :
         {MainWindowCommand::Hull, MainWindowCommand::Power, MainWindowCommand::Drives,
          MainWindowCommand::Electronics, MainWindowCommand::Weapons, MainWindowCommand::Control,
          MainWindowCommand::Crew, MainWindowCommand::Craft, MainWindowCommand::Other}) {
        EXPECT_TRUE(Button(section)->isEnabled());
    }
    EXPECT_EQ(Button(MainWindowCommand::Weapons)->toolTip(), QStringLiteral("Weapons & screens"));
    EXPECT_TRUE(Button(MainWindowCommand::Recalculate)->isEnabled());
    EXPECT_EQ(Button(MainWindowCommand::LoadDesign)->toolTip(),
              QStringLiteral("Load Design (Ctrl+O)"));
    EXPECT_FALSE(Button(MainWindowCommand::LoadDesign)->icon().isNull());

    // The windows carry the program's own icon, from the menu's size to the largest.
    for (const QWidget* window :
         {static_cast<QWidget*>(&Main()), static_cast<QWidget*>(&Totals())}) {
        const QList<QSize> sizes = window->windowIcon().availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(256, 256)))
            << sizes.size() << " sizes";
    }
    // Each size is read when drawn; a size between two is made from the next larger.
    const QIcon icon = Main().windowIcon();
    for (const int side : {16, 20, 48, 256, 512}) {
        const QPixmap picture = icon.pixmap(QSize(side, side));
        EXPECT_EQ(picture.size(), QSize(std::min(side, 256), std::min(side, 256))) << side;
        EXPECT_FALSE(picture.toImage().pixelColor(side / 2, side / 2) == QColor(0, 0, 0, 0))
            << side << ": the drawing, not an empty square";
    }
}

// Where the windows stand is written when a place changed, not at every exit.
TEST_F(MainWindowViewTest, UnmovedWindowsLeaveTheirPlacesFileAsItIs) {
    const std::filesystem::path file = home_ / "config" / "korvane" / kWindowPlacesFileName;
    {
        gui::KorvaneProgram first([] {});
        ASSERT_TRUE(first.Start({}));
        QTest::qWait(100);
    }
    ASSERT_TRUE(std::filesystem::exists(file));
    std::ofstream(file, std::ios::app) << "# left as it was\n";
    {
        gui::KorvaneProgram second([] {});
        ASSERT_TRUE(second.Start({}));
        QTest::qWait(100);
    }
    EXPECT_NE(testing::ReadText(file).find("# left as it was"), std::string::npos);
    {
        gui::KorvaneProgram third([] {});
        ASSERT_TRUE(third.Start({}));
        QTest::qWait(100);
        third.BatchWindow().show();  // a window with no place yet gets one
        QTest::qWait(50);
    }
    EXPECT_EQ(testing::ReadText(file).find("# left as it was"), std::string::npos)
        << "a newly placed window is kept";
}

TEST_F(MainWindowViewTest, TheMainWindowReturnsWhereItWasLeftWhileTheScreenIsTheSame) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    std::filesystem::create_directories(home_ / "config" / "korvane");
    std::ofstream(home_ / "config" / "korvane" / kWindowPlacesFileName)
        << "MainWindow=7,9,300,200," << screen.left() << ',' << screen.top() << ','
        << screen.width() << ',' << screen.height() << '\n'
        << "BatchWindow=7,9,300,200,0,0," << screen.width() + 1 << ',' << screen.height() << '\n';
    ASSERT_TRUE(Start());
    QTest::qWait(300);
    EXPECT_EQ(Main().frameGeometry().topLeft(), QPoint(7, 9));
    // At its right, as near as the screen lets it (less the pixel kept from its edges).
    const QRect area = gui::AvailableScreenArea().adjusted(1, 1, -1, -1);
    EXPECT_EQ(Totals().frameGeometry().left(),
              std::min(Main().frameGeometry().right() + 1,
                       area.right() + 1 - Totals().frameGeometry().width()));

    // Saved on a screen of another size: placed as on a first run.
    Button(MainWindowCommand::BulkSave)->click();
    const QWidget& batch = program_.BatchWindow();
    ASSERT_TRUE(batch.isVisible());
    EXPECT_NE(batch.frameGeometry().topLeft(), QPoint(7, 9));
    EXPECT_TRUE(area.contains(batch.frameGeometry()));
}

TEST_F(MainWindowViewTest, ASectionButtonOpensItsEditorInsteadOfTheMainWindow) {
    ASSERT_TRUE(Start());
    Button(MainWindowCommand::Weapons)->click();
    EXPECT_TRUE(program_.SectionEditors().WeaponsEditor().isVisible());
    EXPECT_FALSE(Main().isVisible());
}

TEST_F(MainWindowViewTest, TheCommandLineDesignIsLoadedAndNamedInTheTitle) {
    const std::string path = SavedShip("Far Trader.k2d", "Beowulf");
    ASSERT_TRUE(Start({path}));
    EXPECT_EQ(Main().windowTitle(), QStringLiteral("Korvane v1.1 - Far Trader.k2d"));
    EXPECT_TRUE(TotalsText("Name").startsWith(QStringLiteral("Beowulf")));

    MarkChanged(program_.session().design);
    Main().Refresh();
    EXPECT_EQ(Main().windowTitle(), QStringLiteral("Korvane v1.1 - Far Trader.k2d *"));
}

TEST_F(MainWindowViewTest, ACommandLineDesignThatCannotBeReadIsReportedAndTheNewDesignStays) {
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

TEST_F(MainWindowViewTest, ExitAsksAboutUnsavedChangesWithNoAsTheDefault) {
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

TEST_F(MainWindowViewTest, F5RecalculatesAndTheTotalsFollow) {
    ASSERT_TRUE(Start());
    program_.session().design.Slots[Slot::Hull].KL = 2700;
    Press(QKeySequence(Qt::Key_F5));
    EXPECT_TRUE(TotalsText("Displacement").startsWith(QStringLiteral("D: 200")))
        << TotalsText("Displacement").toStdString();
}

// Redo has two shortcuts; each must work, as in the editor windows.
TEST_F(MainWindowViewTest, EveryShortcutOfUndoAndRedoWorksInTheMainWindow) {
    ASSERT_TRUE(Start());
    Button(MainWindowCommand::Hull)->click();
    auto* displacement = program_.SectionEditors().HullEditor().findChild<QLineEdit*>(
        QStringLiteral("displacement"));
    displacement->selectAll();
    QTest::keyClicks(displacement, QStringLiteral("400"));
    QTest::keyClick(displacement, Qt::Key_Return);
    ASSERT_TRUE(Main().isVisible());
    ASSERT_TRUE(TotalsText("Displacement").startsWith(QStringLiteral("D: 400")));

    for (const char* redo : {"Ctrl+Shift+Z", "Ctrl+Y"}) {
        SCOPED_TRACE(redo);
        Press(QKeySequence(QStringLiteral("Ctrl+Z")));
        EXPECT_TRUE(TotalsText("Displacement").startsWith(QStringLiteral("D: 100")));
        Press(QKeySequence(QString::fromLatin1(redo)));
        EXPECT_TRUE(TotalsText("Displacement").startsWith(QStringLiteral("D: 400")));
    }
    EXPECT_TRUE(Button(MainWindowCommand::Redo)
                    ->toolTip()
                    .endsWith(QStringLiteral("(Ctrl+Shift+Z, Ctrl+Y)")))
        << Button(MainWindowCommand::Redo)->toolTip().toStdString();
}

TEST_F(MainWindowViewTest, ActivatingAChangedSectionOfTheComparisonOpensItsEditor) {
    ASSERT_TRUE(Start());
    Catalog& catalog = program_.session().catalog->Features();
    Design other = program_.session().design;
    const auto fit = [&catalog](ComponentRecord& entry, const char* family) {
        entry = catalog.LookupComponent(family, 1);
        entry.NUMBER = 1;
    };
    fit(other.Turrets[1], "TR");
    fit(other.Screens[1], "SC");
    fit(other.Accommodations[1], "AC");
    Recalculate(other, catalog);
    const std::string path = (home_ / "other.k2d").string();
    ASSERT_TRUE(WriteDesignFile(path, other).ok());
    watchdog_.Expect(ChoosePath(QString::fromStdString(path)));
    Button(MainWindowCommand::CompareWith)->click();
    ASSERT_NE(program_.CompareWindow(), nullptr);
    auto* sections =
        program_.CompareWindow()->findChild<QListWidget*>(QStringLiteral("ChangedSections"));

    gui::SectionEditorHost& editors = program_.SectionEditors();
    const struct {
        const char* section;
        QWidget& editor;
    } cases[] = {
        {"Weapons", editors.WeaponsEditor()},
        {"Screens", editors.WeaponsEditor()},
        {"Crew and accommodation", editors.CrewEditor()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section);
        const QList<QListWidgetItem*> rows =
            sections->findItems(QString::fromLatin1(c.section), Qt::MatchExactly);
        ASSERT_EQ(rows.size(), 1);
        sections->setCurrentItem(rows.front());
        QTest::keyClick(sections, Qt::Key_Return);
        EXPECT_TRUE(c.editor.isVisible());
        c.editor.close();
        EXPECT_TRUE(Main().isVisible());
    }
}

TEST_F(MainWindowViewTest, MinimisingTheMainWindowHidesTheTotalsAndRestoringShowsThem) {
    ASSERT_TRUE(Start());
    Main().showMinimized();
    EXPECT_TRUE(WaitUntil([this] { return !Totals().isVisible(); }));
    Main().showNormal();
    EXPECT_TRUE(WaitUntil([this] { return Totals().isVisible(); }));
    // The totals window follows the main window; its own close box does nothing.
    EXPECT_FALSE(Totals().close());
    EXPECT_TRUE(Totals().isVisible());
}

TEST_F(MainWindowViewTest, ListFeaturesShowsTheTextWindowModally) {
    ASSERT_TRUE(Start());
    QString heading;
    QString text;
    watchdog_.Expect([&](QWidget& dialog) {
        heading = dialog.findChild<QLabel*>(QStringLiteral("Heading"))->text();
        text = dialog.findChild<QPlainTextEdit*>(QStringLiteral("Text"))->toPlainText();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Button(MainWindowCommand::ListFeatures)->click();
    EXPECT_EQ(heading, QStringLiteral("Feature List"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Feature List\n\n01 Basic hull")))
        << text.toStdString();
    EXPECT_FALSE(text.contains(QLatin1Char('\r')));
}

TEST_F(MainWindowViewTest, ACommandsCaptionAndItsAccessKeyRunItAsItsPictureDoes) {
    ASSERT_TRUE(Start());
    QAbstractButton* list_features = Button(MainWindowCommand::ListFeatures);
    EXPECT_EQ(list_features->text(), QStringLiteral("&List features"));
    const QFontMetrics metrics(list_features->font());
    ASSERT_GT(list_features->width(),
              list_features->iconSize().width() + metrics.horizontalAdvance("List features"))
        << "the caption is part of the button";
    int shown = 0;
    watchdog_.Expect([&shown](QWidget& dialog) {
        ++shown;
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    // Near the right end of the row, on the caption, not the picture.
    QTest::mouseClick(list_features, Qt::LeftButton, {},
                      QPoint(list_features->width() - 8, list_features->height() / 2));
    EXPECT_EQ(shown, 1);

    watchdog_.Expect([&shown](QWidget& dialog) {
        ++shown;
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Press(QKeySequence(QStringLiteral("Alt+L")));
    EXPECT_TRUE(WaitUntil([&shown] { return shown == 2; }))
        << "an access key clicks a moment later";
}

TEST_F(MainWindowViewTest, LastEditsOffersTheRememberedFilesInTheOptionQuestion) {
    ASSERT_TRUE(Start({SavedShip("b.k2d", "Bravo")}));
    const std::string alpha = SavedShip("a.k2d", "Alpha");
    watchdog_.Expect(ChoosePath(QString::fromStdString(alpha)));
    Button(MainWindowCommand::LoadDesign)->click();
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
    Button(MainWindowCommand::LastEdits)->click();
    ASSERT_EQ(options.size(), 3);
    EXPECT_EQ(options[0].trimmed(), QString::fromStdString(alpha));
    EXPECT_EQ(options[2], QStringLiteral("Abandon"));
    EXPECT_EQ(Main().windowTitle(), QStringLiteral("Korvane v1.1 - b.k2d"));
    EXPECT_TRUE(TotalsText("Name").startsWith(QStringLiteral("Bravo")));
}

TEST_F(MainWindowViewTest, AnOpenerThatFailsIsReportedAndTheProfileShownInTheTextWindow) {
    ASSERT_TRUE(Start());
    // An opener that finds no terminal for the desktop's text editor.
    const std::filesystem::path bin = home_ / "bin";
    std::filesystem::create_directory(bin);
    testing::WriteText(bin / "xdg-open",
                       "#!/bin/sh\necho 'x-terminal-emulator: not found' >&2\nexit 3\n");
    std::filesystem::permissions(bin / "xdg-open", std::filesystem::perms::owner_all);
    const std::string saved_path = std::getenv("PATH");
    ::setenv("PATH", (bin.string() + ":" + saved_path).c_str(), 1);
    const std::string profile = (home_ / "scout.k2p").string();
    testing::WriteText(profile, "SCOUT\r\nJ-2 M-2\r\n");

    QString message;
    QString text;
    bool read_only = false;
    watchdog_.Expect(ChoosePath(QString::fromStdString(profile)));
    watchdog_.Expect([&message](QWidget& dialog) {
        message = dynamic_cast<QMessageBox&>(dialog).text();
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    watchdog_.Expect([&](QWidget& dialog) {
        auto* shown = dialog.findChild<QPlainTextEdit*>(QStringLiteral("Text"));
        text = shown->toPlainText();
        read_only = shown->isReadOnly();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Button(MainWindowCommand::ViewProfile)->click();
    EXPECT_TRUE(WaitUntil([this] { return watchdog_.Answered() == 3; }));
    ::setenv("PATH", saved_path.c_str(), 1);
    EXPECT_TRUE(message.contains(QString::fromStdString(profile))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("x-terminal-emulator: not found")))
        << message.toStdString();
    EXPECT_EQ(text, QStringLiteral("SCOUT\nJ-2 M-2\n"));
    EXPECT_TRUE(read_only);
}

TEST_F(MainWindowViewTest, ADesignFileDroppedOnTheWindowIsLoaded) {
    ASSERT_TRUE(Start());
    const std::string dropped = SavedShip("Dropped.K2D", "Dropped");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dropped))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Main(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Main(), &drop);
    EXPECT_EQ(Main().windowTitle(), QStringLiteral("Korvane v1.1 - Dropped.K2D"));
    EXPECT_TRUE(TotalsText("Name").startsWith(QStringLiteral("Dropped")));
}

TEST_F(MainWindowViewTest, FastResaveWithoutAFileSaysSo) {
    ASSERT_TRUE(Start());
    QString message;
    watchdog_.Expect([&message](QWidget& dialog) {
        message = dynamic_cast<QMessageBox&>(dialog).text();
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    Press(QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(message, QStringLiteral("No file to resave"));
}

TEST_F(MainWindowViewTest, AboutShowsTheAboutBoxAndFromThereTheDisclaimer) {
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
    Button(MainWindowCommand::About)->click();
    EXPECT_EQ(titles, (QStringList{"About Korvane v1.1", "Disclaimer", "About Korvane v1.1"}));
}

TEST_F(MainWindowViewTest, BulkSaveOptionsSwapsTheMainWindowForTheBatchWindowUntilDone) {
    ASSERT_TRUE(Start());
    Button(MainWindowCommand::BulkSave)->click();
    gui::BatchWindowView& batch = program_.BatchWindow();
    EXPECT_FALSE(Main().isVisible());
    ASSERT_TRUE(batch.isVisible());
    EXPECT_TRUE(Totals().isVisible());
    batch.findChild<QPushButton*>(QStringLiteral("Done"))->click();
    EXPECT_FALSE(batch.isVisible());
    EXPECT_TRUE(Main().isVisible());
}

}  // namespace
}  // namespace korvane::gui_test
