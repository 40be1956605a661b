#include "gui/control_binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace korvane::gui_test {
namespace {

// Counts the handler's calls: the logic's events.
class ControlBindingTest : public ::testing::Test {
protected:
    gui::ControlBindings::Handler Counting(int& count) {
        return [&count] { ++count; };
    }

    QWidget window_;
    gui::ControlBindings bindings_;
};

TEST_F(ControlBindingTest, TextBoxesShowTheTextQuietlyAndTakeTheUsersEditsInTheCodePage) {
    ui::TextBox box{"Caf\xE9"};
    auto* line = new QLineEdit(&window_);
    auto* notes = new QPlainTextEdit(&window_);
    ui::TextBox notes_box{"one\r\ntwo"};
    int edits = 0;
    int note_edits = 0;
    bindings_.Bind(*line, box, Counting(edits));
    bindings_.Bind(*notes, notes_box, Counting(note_edits));
    bindings_.Show();
    EXPECT_EQ(line->text(), QStringLiteral("Caf\u00E9"));
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("one\ntwo"));
    EXPECT_EQ(edits + note_edits, 0) << "showing is no edit";

    QTest::keyClicks(line, QStringLiteral("s"));
    EXPECT_EQ(box.text, "Caf\xE9s");
    EXPECT_EQ(edits, 1);
    notes->appendPlainText(QStringLiteral("three"));
    EXPECT_EQ(notes_box.text, "one\r\ntwo\r\nthree");
    EXPECT_GE(note_edits, 1);

    box = {"Tug", false};
    notes_box.text = "cleared";
    const int before = edits + note_edits;
    bindings_.Show();
    EXPECT_EQ(line->text(), QStringLiteral("Tug"));
    EXPECT_FALSE(line->isEnabled());
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("cleared"));
    EXPECT_EQ(edits + note_edits, before);
}

TEST_F(ControlBindingTest, CheckBoxesTakeTheUsersClickAndNotTheirFilling) {
    ui::CheckBox box{"&Streamlined", false};
    auto* widget = new QCheckBox(&window_);
    int toggles = 0;
    bindings_.Bind(*widget, box, Counting(toggles));
    box.checked = true;
    bindings_.Show();
    EXPECT_TRUE(widget->isChecked());
    EXPECT_EQ(widget->text(), QStringLiteral("&Streamlined"));
    EXPECT_EQ(toggles, 0);

    widget->click();
    EXPECT_FALSE(box.checked);
    EXPECT_EQ(toggles, 1);
}

TEST_F(ControlBindingTest, ComboBoxesCarryTheItemDataAndTheUsersPick) {
    ui::ListBox list;
    list.AddItem("Standard hull", 11);
    list.AddItem("Needle hull", 12, "<b>Streamlined</b>");
    list.Select(1);
    auto* widget = new QComboBox(&window_);
    int picks = 0;
    bindings_.Bind(*widget, list, Counting(picks));
    bindings_.Show();
    ASSERT_EQ(widget->count(), 2);
    EXPECT_EQ(widget->itemData(0).toInt(), 11);
    EXPECT_TRUE(widget->itemData(0, Qt::ToolTipRole).toString().isEmpty());
    EXPECT_TRUE(
        widget->itemData(1, Qt::ToolTipRole).toString().contains(QStringLiteral("&lt;b&gt;")))
        << "a row's tooltip, shown as it stands";
    EXPECT_EQ(widget->currentIndex(), 1);
    EXPECT_EQ(picks, 0);

    widget->setCurrentIndex(0);  // as the user's pick does
    EXPECT_EQ(list.Selected(), std::optional<int>(0));
    EXPECT_EQ(picks, 1);

    list.Clear();
    list.AddItem("Standard hull", 21);
    list.Select(std::nullopt);
    bindings_.Show();
    ASSERT_EQ(widget->count(), 1);
    EXPECT_EQ(widget->itemData(0).toInt(), 21) << "rows whose item data changed are rebuilt";
    EXPECT_EQ(widget->currentIndex(), -1);
    EXPECT_EQ(picks, 1);
}

TEST_F(ControlBindingTest, ListsSelectOnAClickAndOnADoubleClickRunTheirOwnEvent) {
    ui::ListBox list;
    list.AddItem("Radar", 1);
    list.AddItem("Densitometer", 4);
    auto* widget = new QListWidget(&window_);
    int clicks = 0;
    int double_clicks = 0;
    bindings_.Bind(*widget, list, Counting(clicks), Counting(double_clicks));
    bindings_.Show();
    ASSERT_EQ(widget->count(), 2);
    EXPECT_EQ(widget->item(1)->data(Qt::UserRole).toInt(), 4);
    EXPECT_EQ(widget->currentRow(), -1);

    EXPECT_EQ(clicks, 0);

    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    const int before = clicks;  // a list taking the focus moves to its first row itself
    const QPoint second = widget->visualItemRect(widget->item(1)).center();
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(list.Selected(), std::optional<int>(1));
    EXPECT_EQ(clicks, before + 1);
    EXPECT_EQ(double_clicks, 0);

    list.Select(0);
    bindings_.Show();
    EXPECT_EQ(widget->currentRow(), 0);
    EXPECT_EQ(clicks, before + 1) << "showing the logic's selection is no click";

    emit widget->itemDoubleClicked(widget->item(1));
    EXPECT_EQ(list.Selected(), std::optional<int>(1));
    EXPECT_EQ(double_clicks, 1);
}

TEST_F(ControlBindingTest, ButtonsShowTheirStateAndRunTheirEvent) {
    const ui::Button button{"&Accept", false};
    auto* widget = new QPushButton(&window_);
    int clicks = 0;
    bindings_.Bind(*widget, button, Counting(clicks));
    bindings_.Show();
    EXPECT_EQ(widget->text(), QStringLiteral("&Accept"));
    EXPECT_FALSE(widget->isEnabled());
    widget->setEnabled(true);
    widget->click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlBindingTest, WidgetsThatOutliveTheirBindingsReportNothing) {
    ui::ListBox list;
    list.AddItem("Radar", 1);
    ui::TextBox box;
    ui::Button button{"&Accept"};
    auto* rows = new QListWidget(&window_);
    auto* text = new QLineEdit(&window_);
    auto* accept = new QPushButton(&window_);
    int events = 0;
    {
        // A view's members go before its child widgets, which may still move
        // their focus and selection while they are torn down.
        gui::ControlBindings view_members;
        view_members.Bind(*rows, list, Counting(events), Counting(events));
        view_members.Bind(*text, box, Counting(events));
        view_members.Bind(*accept, button, Counting(events));
        view_members.Show();
    }
    rows->setCurrentRow(0);
    emit rows->itemDoubleClicked(rows->item(0));
    QTest::keyClicks(text, "x");
    accept->click();
    EXPECT_EQ(events, 0);
    EXPECT_EQ(list.Selected(), std::nullopt);
    EXPECT_EQ(box.text, "");
}

}  // namespace
}  // namespace korvane::gui_test
