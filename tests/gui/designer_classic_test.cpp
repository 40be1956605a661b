// The same edits made in the designer's panels and in the classic windows
// leave the same design: its file is the same, byte for byte.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "gui/child_widget.h"
#include "gui/designer_window.h"
#include "gui/item_view_rows.h"
#include "gui/program_fixture.h"
#include "gui/section_editor_host.h"

namespace korvane::gui_test {
namespace {

using ui::EditorId;

struct Edit {
    EditorId editor;
    const char* control;  // the field's object name; none for an install
    enum How { Type, Pick, Tick, Install } how;
    int value;  // what is typed, the row picked, or how many of the first available row
};

// One edit of each kind in every section, in the order a designer might make them.
const Edit kEdits[] = {
    {EditorId::Hull, "displacement", Edit::Type, 2000},
    {EditorId::Hull, "armour_type", Edit::Pick, 2},
    {EditorId::Hull, "free_armour", Edit::Tick, 0},
    {EditorId::Hull, "tech_level", Edit::Pick, 5},
    {EditorId::Drives, "jump_drive", Edit::Pick, 2},
    {EditorId::Drives, "maneuver_drive", Edit::Pick, 3},
    {EditorId::Power, "plant", Edit::Pick, 2},
    {EditorId::Power, "plant_size", Edit::Type, 900},
    {EditorId::Electronics, "avionics", Edit::Pick, 2},
    {EditorId::Electronics, "em_mask", Edit::Tick, 0},
    {EditorId::Sensors, nullptr, Edit::Install, 2},
    {EditorId::Communicators, nullptr, Edit::Install, 1},
    {EditorId::Weapons, "he_rounds", Edit::Type, 5},
    {EditorId::Control, "main_computer", Edit::Pick, 3},
    {EditorId::Control, "heads_up_displays", Edit::Type, 2},
    {EditorId::Crew, "Airlocks", Edit::Type, 3},
};

// The field's edit as the user makes it; a typed number ends with Enter when
// `commit` (the designer), as leaving the box would.
void MakeEdit(QWidget& content, const Edit& edit, bool commit) {
    const QString name = QString::fromLatin1(edit.control);
    switch (edit.how) {
        case Edit::Type: {
            auto& box = Child<QLineEdit>(content, name);
            box.setFocus();
            box.selectAll();
            QTest::keyClicks(&box, QString::number(edit.value));
            if (commit) {
                QTest::keyClick(&box, Qt::Key_Return);
            }
            return;
        }
        case Edit::Pick:
            Child<QComboBox>(content, name).setCurrentIndex(edit.value);
            return;
        case Edit::Tick:
            Child<QCheckBox>(content, name).click();
            return;
        case Edit::Install:
            SelectRow(Child<QTableView>(content, "Available"), 0);
            return;
    }
}

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class DesignerClassicTest : public ProgramTest {
protected:
    std::string SavedDesign(gui::KorvaneProgram& program, const char* name) {
        const std::filesystem::path path = home_ / name;
        const auto day = std::chrono::sys_days{std::chrono::year{2026} / 12 / 8};
        EXPECT_TRUE(program.Document().Save(path.string(), day));
        return FileText(path);
    }

    // In the classic windows: the section's window from the main window, the
    // list editor it leads on to, the edit, then "Done" and "Accept".
    void EditInClassicWindows(const Edit& edit) {
        gui::SectionEditorHost& host = program_.SectionEditors();
        const ui::EditorEntry& entry = ui::EntryOf(edit.editor);
        const EditorId section = entry.parent.value_or(edit.editor);
        Main()
            .findChild<QAbstractButton*>(QString::fromLatin1(ui::EntryOf(section).name.data()))
            ->click();
        QWidget& window = host.Window(edit.editor);
        if (entry.parent) {
            Child<QAbstractButton>(host.Window(section),
                                   QString::fromLatin1(entry.name.data()).toLower())
                .click();
        }
        MakeEdit(window, edit, false);
        if (edit.how == Edit::Install) {
            watchdog_.Expect(ClickButton(QString::number(edit.value)));
            QTest::keyClick(&Child<QTableView>(window, "Available"), Qt::Key_Return);
        }
        if (entry.parent || edit.editor == EditorId::Crew) {
            Child<QPushButton>(window, "Done").click();
        }
        if (edit.editor != EditorId::Crew) {
            Child<QPushButton>(host.Window(section), "accept").click();
        }
        ASSERT_TRUE(Main().isVisible()) << entry.name;
    }

    // In the designer: the section chosen in the outline and the edit committed.
    static void EditInDesigner(gui::DesignerWindow& designer, const Edit& edit) {
        designer.Choose(edit.editor);
        QWidget& panel = designer.Panel(edit.editor);
        MakeEdit(panel, edit, true);
        if (edit.how == Edit::Install) {
            Child<QComboBox>(panel, "Count").lineEdit()->setText(QString::number(edit.value));
            Child<QPushButton>(panel, "Install").click();
        }
    }
};

TEST_F(DesignerClassicTest, TheDesignerAndTheClassicWindowsMakeTheSameDesignFile) {
    ASSERT_TRUE(Start({"--classic"}));
    for (const Edit& edit : kEdits) {
        EditInClassicWindows(edit);
    }
    const std::string classic = SavedDesign(program_, "classic.k2d");

    gui::KorvaneProgram designer_program([] {});
    ASSERT_TRUE(designer_program.Start({"--designer"}));
    gui::DesignerWindow& designer = designer_program.Designer();
    std::size_t steps = 0;
    for (const Edit& edit : kEdits) {
        SCOPED_TRACE(std::string(ui::EntryOf(edit.editor).name) + " " +
                     (edit.control ? edit.control : "install"));
        const long before = designer_program.Document().Position();
        EditInDesigner(designer, edit);
        EXPECT_NE(designer_program.Document().Position(), before) << "each edit is a step";
        ++steps;
    }
    EXPECT_GT(steps, 0u);
    EXPECT_TRUE(SavedDesign(designer_program, "designer.k2d") == classic)
        << "the designer's design file differs from the classic windows'";
}

}  // namespace
}  // namespace korvane::gui_test
