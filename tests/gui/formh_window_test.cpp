#include "gui/formh_window.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include "engine/status_summary.h"
#include "gui/modal_watchdog.h"
#include "support/scripted_prompter.h"

namespace korvane::gui_test {
namespace {

class FormhWindowTest : public ::testing::Test {
protected:
    QLabel& Label(const char* name) {
        return *window_.findChild<QLabel*>(QString::fromLatin1(name));
    }
    QColor TextColourOf(const char* name) {
        return Label(name).palette().color(QPalette::WindowText);
    }
    QWidget& Lamp() { return *window_.findChild<QWidget*>(QStringLiteral("Shape1")); }

    ModalWatchdog watchdog_;
    Design design_;
    testing::ScriptedPrompter prompter_;
    ui::Formh logic_;
    gui::FormhWindow window_{logic_, design_, prompter_};
};

TEST_F(FormhWindowTest, TheLabelsShowTheSummaryWithItsColours) {
    logic_.Label1.caption = "Beowulf             (Merchant)";
    logic_.Label3 = {"KL: 1,350\r\nKL: 1,400\r\n", kColourRed};
    logic_.Label4 = {"MW: 20\r\nMW: 3\r\n", kColourBlack};
    logic_.Label12 = {"Changed", kColourRed};
    logic_.Shape1Colour = kColourRed;
    logic_.Shape1ToolTip = "Volume used exceeds the hull\r\nNo main computer";
    logic_.ProblemLine = {"Volume used exceeds the hull; No main computer", kColourRed, true};
    window_.Refresh();

    EXPECT_EQ(Label("Label1").text(), QStringLiteral("Beowulf             (Merchant)"));
    EXPECT_EQ(Label("Label2").text(), QStringLiteral("AVAILABLE:\nUSED:"));
    EXPECT_EQ(Label("Label3").text(), QStringLiteral("KL: 1,350\nKL: 1,400"));
    EXPECT_GT(TextColourOf("Label3").red(), 100);
    EXPECT_EQ(TextColourOf("Label3").green(), 0);
    EXPECT_EQ(TextColourOf("Label4"), window_.palette().color(QPalette::WindowText))
        << "black is the window's own text colour";
    EXPECT_EQ(Label("Label12").text(), QStringLiteral("Changed"));
    EXPECT_EQ(Lamp().palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_TRUE(Lamp().toolTip().contains(QStringLiteral("hull\nNo main computer")));
    EXPECT_FALSE(Label("ProblemLine").isHidden());

    logic_.Label12 = {"Saved", kColourGreen};
    logic_.Shape1Colour = kColourGreen;
    logic_.Shape1ToolTip.clear();
    logic_.ProblemLine = {"", kColourRed, false};
    window_.Refresh();
    EXPECT_EQ(Label("Label12").text(), QStringLiteral("Saved"));
    EXPECT_GT(TextColourOf("Label12").green(), 100);
    EXPECT_EQ(Lamp().palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_TRUE(Lamp().toolTip().isEmpty());
    EXPECT_TRUE(Label("ProblemLine").isHidden());
}

TEST_F(FormhWindowTest, TextsThatLookLikeMarkupAreShownAsTheyStand) {
    logic_.Label1.caption = "<b>Beowulf</b> & Co";
    logic_.Shape1ToolTip = "<i>No</i> main computer";
    window_.Refresh();
    EXPECT_EQ(Label("Label1").textFormat(), Qt::PlainText);
    EXPECT_EQ(Label("Label1").text(), QStringLiteral("<b>Beowulf</b> & Co"));
    EXPECT_TRUE(Lamp().toolTip().contains(QStringLiteral("&lt;i&gt;No&lt;/i&gt;")));
}

TEST_F(FormhWindowTest, PercentShowsTheUtilizationMessage) {
    logic_.Visible = true;
    window_.Refresh();
    window_.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(prompter_.questions()[0].text.substr(0, 11), "Utilization");
    EXPECT_EQ(prompter_.questions()[0].icon, MessageIcon::Information);
}

}  // namespace
}  // namespace korvane::gui_test
