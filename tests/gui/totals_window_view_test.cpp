#include "gui/totals_window_view.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "gui/modal_watchdog.h"
#include "gui/screen_placement.h"
#include "support/scripted_prompter.h"
#include "ui/controls.h"

namespace korvane::gui_test {
namespace {

using ui::kColourBlack;
using ui::kColourGreen;
using ui::kColourRed;

class TotalsWindowViewTest : public ::testing::Test {
protected:
    QLabel& Label(const char* name) {
        return *window_.findChild<QLabel*>(QString::fromLatin1(name));
    }
    QColor TextColourOf(const char* name) {
        return Label(name).palette().color(QPalette::WindowText);
    }
    QWidget& Lamp() { return *window_.findChild<QWidget*>(QStringLiteral("Lamp")); }

    ModalWatchdog watchdog_;
    Session session_;
    Design& design_ = session_.design;
    testing::ScriptedPrompter prompter_;
    ui::DesignDocument document_{session_};
    ui::TotalsWindow logic_{document_};
    gui::TotalsWindowView window_{logic_, design_, prompter_};
};

TEST_F(TotalsWindowViewTest, TheLabelsShowTheSummaryWithItsColours) {
    logic_.name.caption = "Beowulf             (Merchant)";
    logic_.volume = {"KL: 1,350\r\nKL: 1,400\r\n", kColourRed};
    logic_.power = {"MW: 20\r\nMW: 3\r\n", kColourBlack};
    logic_.changed_mark = {"Changed", kColourRed};
    logic_.lamp_colour = kColourRed;
    logic_.lamp_tooltip = "Volume used exceeds the hull\r\nNo main computer";
    logic_.problem_line = {"Volume used exceeds the hull; No main computer", kColourRed, true};
    window_.Refresh();

    EXPECT_EQ(Label("Name").text(), QStringLiteral("Beowulf             (Merchant)"));
    EXPECT_EQ(Label("Legend").text(), QStringLiteral("AVAILABLE:\nUSED:"));
    EXPECT_EQ(Label("Volume").text(), QStringLiteral("KL: 1,350\nKL: 1,400"));
    EXPECT_GT(TextColourOf("Volume").red(), 100);
    EXPECT_EQ(TextColourOf("Volume").green(), 0);
    EXPECT_EQ(TextColourOf("Power"), window_.palette().color(QPalette::WindowText))
        << "black is the window's own text colour";
    EXPECT_EQ(Label("ChangedMark").text(), QStringLiteral("Changed"));
    EXPECT_EQ(Lamp().palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_TRUE(Lamp().toolTip().contains(QStringLiteral("hull\nNo main computer")));
    EXPECT_FALSE(Label("ProblemLine").isHidden());

    logic_.changed_mark = {"Saved", kColourGreen};
    logic_.lamp_colour = kColourGreen;
    logic_.lamp_tooltip.clear();
    logic_.problem_line = {"", kColourRed, false};
    window_.Refresh();
    EXPECT_EQ(Label("ChangedMark").text(), QStringLiteral("Saved"));
    EXPECT_GT(TextColourOf("ChangedMark").green(), 100);
    EXPECT_EQ(Lamp().palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_TRUE(Lamp().toolTip().isEmpty());
    EXPECT_TRUE(Label("ProblemLine").isHidden());
}

TEST_F(TotalsWindowViewTest, EveryProblemAndAdviceIsShownWholeOrTheListScrolls) {
    const QRect screen = gui::AvailableScreenArea();
    for (const int lines : {1, 4, 12, 80}) {
        SCOPED_TRACE(std::to_string(lines) + " lines");
        std::string problems;
        std::string advice = "Advice:";
        for (int i = 1; i <= lines; ++i) {
            problems += (i > 1 ? "; " : "") + std::string("Problem number ") + std::to_string(i) +
                        " of the design";
            advice += "\nCrew: advice number " + std::to_string(i) + " on the design";
        }
        logic_.problem_line = {problems, kColourRed, true};
        logic_.advice_lines = {advice, kColourBlack, true};
        logic_.Visible = true;
        window_.Refresh();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
        QTest::qWait(20);
        for (const auto& [list, text] :
             {std::pair("ProblemList", "ProblemLine"), std::pair("AdviceList", "AdviceLines")}) {
            SCOPED_TRACE(list);
            auto& area = *window_.findChild<QScrollArea*>(QString::fromLatin1(list));
            QLabel& shown = Label(text);
            const int needed = shown.heightForWidth(area.viewport()->width());
            if (needed <= screen.height() / 3) {
                EXPECT_GE(area.viewport()->height(), needed) << "no line cut";
            } else {
                EXPECT_TRUE(area.verticalScrollBar()->isVisible());
                EXPECT_GE(shown.height(), needed) << "the list scrolls over every line";
            }
        }
        EXPECT_LE(window_.frameGeometry().height(), screen.height());
    }
    logic_.advice_lines = {"", kColourBlack, false};
    window_.Refresh();
    EXPECT_TRUE(window_.findChild<QScrollArea*>(QStringLiteral("AdviceList"))->isHidden())
        << "no advice, no room taken";
}

// A ship's name and type that wrap take their lines from the window's height,
// not from the rows under them; a short name gives the room back.
TEST_F(TotalsWindowViewTest, TheWindowIsAsTallAsItsContentsWhenTheNameWraps) {
    logic_.volume = {"KL: 1,350\r\nKL: 1,400\r\n", kColourBlack};
    logic_.power = {"MW: 20\r\nMW: 3\r\n", kColourBlack};
    logic_.problem_line = {"", kColourRed, false};
    logic_.advice_lines = {"", kColourBlack, false};
    logic_.Visible = true;
    const std::string long_name = "Imperial Interstellar Scout Service Courier Hyperion";
    int short_height = 0;
    for (const std::string& name :
         {std::string("Beowulf"), long_name + " (Long Range Exploration Vessel)",
          long_name + " " + long_name + " (Merchant)", std::string("Beowulf")}) {
        SCOPED_TRACE(name);
        logic_.name.caption = name;
        window_.Refresh();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
        QTest::qWait(20);
        QLabel& shown_name = Label("Name");
        EXPECT_GE(shown_name.height(), shown_name.heightForWidth(shown_name.width()));
        for (const char* used : {"Volume", "Power", "Hardpoints", "ChangedMark"}) {
            QLabel& label = Label(used);
            EXPECT_LE(label.mapTo(&window_, QPoint(0, label.height())).y(), window_.height())
                << used << " cut off";
        }
        if (name == "Beowulf") {
            if (short_height != 0) {
                EXPECT_EQ(window_.height(), short_height) << "the room given back";
            }
            short_height = window_.height();
        }
    }
}

TEST_F(TotalsWindowViewTest, TextsThatLookLikeMarkupAreShownAsTheyStand) {
    logic_.name.caption = "<b>Beowulf</b> & Co";
    logic_.lamp_tooltip = "<i>No</i> main computer";
    window_.Refresh();
    EXPECT_EQ(Label("Name").textFormat(), Qt::PlainText);
    EXPECT_EQ(Label("Name").text(), QStringLiteral("<b>Beowulf</b> & Co"));
    EXPECT_TRUE(Lamp().toolTip().contains(QStringLiteral("&lt;i&gt;No&lt;/i&gt;")));
}

TEST_F(TotalsWindowViewTest, PercentShowsTheUtilizationMessage) {
    logic_.Visible = true;
    window_.Refresh();
    window_.findChild<QPushButton*>(QStringLiteral("Utilization"))->click();
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(prompter_.questions()[0].text.substr(0, 11), "Utilization");
    EXPECT_EQ(prompter_.questions()[0].icon, MessageIcon::Information);
}

}  // namespace
}  // namespace korvane::gui_test
