#include "gui/designer_window.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include "gui/child_widget.h"
#include "gui/item_view_rows.h"
#include "gui/program_fixture.h"
#include "ui/designer_start.h"

namespace korvane::gui_test {
namespace {

using ui::EditorId;

class DesignerWindowTest : public ProgramTest {
protected:
    gui::DesignerWindow& Designer() { return program_.Designer(); }
    QAction& Action(const char* name) { return Child<QAction>(Designer(), name); }
    ui::DesignDocument& Document() { return program_.Document(); }
};

TEST_F(DesignerWindowTest, TheDesignerAndTheClassicWindowsTakeTurns) {
    ASSERT_TRUE(Start({"--designer"}));
    EXPECT_TRUE(Designer().isVisible());
    EXPECT_FALSE(Main().isVisible());
    EXPECT_FALSE(Totals().isVisible()) << "the designer shows the totals itself";
    EXPECT_EQ(Designer().windowTitle(), QStringLiteral("Untitled \u2014 Korvane Designer"));

    Action("ClassicWindows").trigger();
    EXPECT_FALSE(Designer().isVisible());
    EXPECT_TRUE(Main().isVisible());
    EXPECT_TRUE(Totals().isVisible());

    Main().DesignerButton()->click();
    EXPECT_TRUE(Designer().isVisible());
    EXPECT_FALSE(Main().isVisible());
}

// The setting is kept in the configuration for the next start; a switch on
// the command line overrides it for one run.
TEST_F(DesignerWindowTest, TheStartSettingIsKeptForTheNextRun) {
    ASSERT_TRUE(Start({"--designer"}));
    QAction& at_start = Action("DesignerAtStart");
    EXPECT_FALSE(at_start.isChecked()) << "off in a new configuration";
    at_start.trigger();
    EXPECT_TRUE(ui::DesignerAtStart(ConfigurationPlacesFromEnvironment()));
    {
        gui::KorvaneProgram next([] {});
        ASSERT_TRUE(next.Start({}));
        EXPECT_TRUE(next.Designer().isVisible());
        EXPECT_FALSE(next.MainWindow().isVisible());
    }
    gui::KorvaneProgram classic([] {});
    ASSERT_TRUE(classic.Start({"--classic"}));
    EXPECT_TRUE(classic.MainWindow().isVisible());
}

// Every node of the outline shows its editor's content, which has none of a
// window's buttons: a committed field is stored, nothing waits for "Accept".
TEST_F(DesignerWindowTest, EveryNodeOfTheOutlineShowsItsEditorInThePanel) {
    ASSERT_TRUE(Start({"--designer"}));
    auto& outline = Child<QTreeWidget>(Designer(), "Outline");
    auto& panel = Child<QStackedWidget>(Designer(), "EditorPanel");
    for (const ui::EditorEntry& entry : ui::Editors()) {
        SCOPED_TRACE(std::string(entry.name));
        const QList<QTreeWidgetItem*> found = outline.findItems(
            QString::fromLatin1(entry.caption.data(), static_cast<qsizetype>(entry.caption.size())),
            Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1);
        outline.setCurrentItem(found.front());
        EXPECT_EQ(Designer().Chosen(), entry.id);
        QWidget& content = Designer().Panel(entry.id);
        EXPECT_TRUE(content.isVisible());
        EXPECT_EQ(panel.currentWidget()->objectName(),
                  QString::fromLatin1(entry.name.data()) + QStringLiteral("Page"));
        EXPECT_FALSE(content.isWindow());
        for (const char* chrome : {"accept", "cancel", "Done", "check"}) {
            EXPECT_EQ(content.findChild<QPushButton*>(QString::fromLatin1(chrome)), nullptr)
                << chrome;
        }
    }
}

// A lead-on button of a section shows the section it leads to in the panel.
TEST_F(DesignerWindowTest, ALeadOnButtonChoosesItsSection) {
    ASSERT_TRUE(Start({"--designer"}));
    Designer().Choose(EditorId::Weapons);
    QTest::mouseClick(&Child<QAbstractButton>(Designer().Panel(EditorId::Weapons), "screens"),
                      Qt::LeftButton);
    EXPECT_EQ(Designer().Chosen(), EditorId::Screens);
    EXPECT_TRUE(Designer().isVisible());
    Designer().Choose(EditorId::Other);
    QTest::mouseClick(&Child<QAbstractButton>(Designer().Panel(EditorId::Other), "AntiHijack"),
                      Qt::LeftButton);
    EXPECT_EQ(Designer().Chosen(), EditorId::AntiHijack);
}

TEST_F(DesignerWindowTest, AProblemIsALinkToItsSectionAndMarksItInTheOutline) {
    ASSERT_TRUE(Start({"--designer"}));
    Designer().Choose(EditorId::Crew);
    auto& outline = Child<QTreeWidget>(Designer(), "Outline");
    auto& problems = Child<QListWidget>(Designer(), "Problems");
    const int problems_before = problems.count();
    const bool hull_marked_before = !outline.topLevelItem(0)->icon(0).isNull();
    Document().Change("Shrink the hull", [](Design& design) { design.Slots[Slot::Hull].KL = 1; });
    QListWidgetItem* volume = nullptr;
    for (int row = 0; row < problems.count(); ++row) {
        if (problems.item(row)->text().contains(QStringLiteral("Volume used"))) {
            volume = problems.item(row);
        }
    }
    ASSERT_NE(volume, nullptr);
    EXPECT_TRUE(volume->text().startsWith(QStringLiteral("Hull & basic data: ")));
    emit problems.itemActivated(volume);
    EXPECT_EQ(Designer().Chosen(), EditorId::Hull);

    EXPECT_FALSE(outline.topLevelItem(0)->icon(0).isNull()) << "the hull is marked";
    Document().Undo();
    EXPECT_EQ(!outline.topLevelItem(0)->icon(0).isNull(), hull_marked_before);
    EXPECT_EQ(problems.count(), problems_before);
}

// A committed field is one step named by what it did; committing the same
// field again folds into that step; a typed text that is no number marks its
// box and stores nothing.
TEST_F(DesignerWindowTest, EachCommittedFieldIsOneNamedStepAndRepeatsFold) {
    ASSERT_TRUE(Start({"--designer"}));
    Designer().Choose(EditorId::Hull);
    QWidget& hull = Designer().Panel(EditorId::Hull);
    auto& displacement = Child<QLineEdit>(hull, "displacement");
    const auto type = [&displacement](const QString& text) {
        displacement.setFocus();
        displacement.selectAll();
        QTest::keyClicks(&displacement, text);
        QTest::keyClick(&displacement, Qt::Key_Return);
    };
    const auto& design = program_.session().design;
    const double kl_before = design.Slots[Slot::Hull].KL;

    type(QStringLiteral("2000"));
    EXPECT_EQ(Document().UndoStep(), std::optional<std::string>("Set displacement to 2,000 tons"));
    EXPECT_TRUE(Child<QLabel>(Designer(), "LastStep")
                    .text()
                    .startsWith(QStringLiteral("Set displacement")));
    EXPECT_TRUE(Designer().windowTitle().startsWith(QStringLiteral("Untitled*")));
    type(QStringLiteral("3000"));
    EXPECT_EQ(Document().UndoStep(), std::optional<std::string>("Set displacement to 3,000 tons"));
    const double kl_at_3000 = design.Slots[Slot::Hull].KL;

    type(QStringLiteral("abc"));
    EXPECT_EQ(design.Slots[Slot::Hull].KL, kl_at_3000) << "no number, nothing stored";
    EXPECT_FALSE(displacement.styleSheet().isEmpty()) << "the box shows its error";

    auto& tech_level = Child<QComboBox>(hull, "tech_level");
    tech_level.setCurrentIndex((tech_level.currentIndex() + 1) % tech_level.count());
    EXPECT_TRUE(Document().UndoStep().value_or("").starts_with("Choose tech level"))
        << "a box in error holds up no other field";

    Document().Undo();
    EXPECT_EQ(design.Slots[Slot::Hull].KL, kl_at_3000);
    Document().Undo();
    EXPECT_EQ(design.Slots[Slot::Hull].KL, kl_before) << "the two displacements were one step";
    EXPECT_FALSE(Document().UndoStep().has_value());
    EXPECT_EQ(displacement.text(), QStringLiteral("abc")) << "what is typed stays until put right";
}

// "Revert section" takes back what was done since the section was chosen, and
// nothing from before; Edit's history names its steps, as the status bar does.
TEST_F(DesignerWindowTest, RevertSectionUndoesWhatWasDoneSinceTheSectionWasChosen) {
    ASSERT_TRUE(Start({"--designer"}));
    const auto tons = [](double kl) {
        return [kl](Design& design) { design.Slots[Slot::Hull].KL = kl; };
    };
    Document().Change("Before", tons(20000));
    Designer().Choose(EditorId::Hull);
    auto& revert = Child<QPushButton>(Designer(), "RevertSection");
    EXPECT_FALSE(revert.isEnabled());
    Document().Change("First", tons(30000));
    Document().Change("Second", tons(40000));
    EXPECT_TRUE(revert.isEnabled());
    EXPECT_TRUE(Child<QLabel>(Designer(), "LastStep").text().startsWith(QStringLiteral("Second")));

    revert.click();
    EXPECT_EQ(program_.session().design.Slots[Slot::Hull].KL, 20000);
    EXPECT_EQ(Document().UndoStep(), std::optional<std::string>("Before"));
    EXPECT_FALSE(revert.isEnabled());
    EXPECT_EQ(Document().RedoStep(), std::optional<std::string>("First"));
}

// In the panel a list editor takes its counts and numbers typed in place:
// each change is one named step, and a count that is no number stores nothing.
TEST_F(DesignerWindowTest, AListEditorTakesItsCountsInPlace) {
    ASSERT_TRUE(Start({"--designer"}));
    Designer().Choose(EditorId::Communicators);
    QWidget& panel = Designer().Panel(EditorId::Communicators);
    auto& installed = Child<QListWidget>(panel, "Installed");
    const int rows_before = installed.count();
    SelectRow(Child<QTableView>(panel, "Available"), 0);
    const QString label = RowText(Child<QTableView>(panel, "Available"), 0).trimmed();

    QLineEdit& count = *Child<QComboBox>(panel, "Count").lineEdit();
    count.setText(QStringLiteral("abc"));
    Child<QPushButton>(panel, "Install").click();
    EXPECT_EQ(installed.count(), rows_before) << "no number, nothing installed";
    EXPECT_FALSE(Document().UndoStep().has_value());

    count.setText(QStringLiteral("3"));
    Child<QPushButton>(panel, "Install").click();
    ASSERT_EQ(installed.count(), rows_before + 1);
    EXPECT_EQ(QString::fromStdString(Document().UndoStep().value_or("")),
              QStringLiteral("Install 3 ") + label);

    installed.setCurrentRow(installed.count() - 1);
    QLineEdit& number = Child<QLineEdit>(panel, "Number");
    EXPECT_EQ(number.text(), QStringLiteral("3"));
    number.setFocus();
    number.selectAll();
    QTest::keyClicks(&number, QStringLiteral("5"));
    QTest::keyClick(&number, Qt::Key_Return);
    EXPECT_EQ(QString::fromStdString(Document().UndoStep().value_or("")),
              QStringLiteral("Change number of ") + label + QStringLiteral(" to 5"));
    EXPECT_TRUE(installed.item(installed.count() - 1)->text().contains(QStringLiteral("5")));

    installed.setCurrentRow(installed.count() - 1);
    Child<QPushButton>(panel, "Remove").click();
    EXPECT_EQ(installed.count(), rows_before);
    EXPECT_EQ(QString::fromStdString(Document().UndoStep().value_or("")),
              QStringLiteral("Remove ") + label);
}

}  // namespace
}  // namespace korvane::gui_test
