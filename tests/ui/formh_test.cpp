#include "ui/formh.h"

#include <gtest/gtest.h>

#include "app/new_design.h"
#include "engine/recalculate.h"
#include "engine/status_summary.h"
#include "model/standard_catalog.h"
#include "support/scripted_prompter.h"

namespace korvane::ui {
namespace {

class FormhTest : public ::testing::Test {
protected:
    void SetUp() override { NewDesign(design_, catalog_); }

    Catalog catalog_{StandardCatalogRows()};
    Design design_;
    Formh totals_;
};

TEST_F(FormhTest, ShowsBrokenLimitsAndTheProblemsInRed) {
    design_.AvailableMW() = 100;  // as if a power plant were fitted
    totals_.ShowStatusSummary(design_);
    EXPECT_EQ(totals_.Label3.colour, kColourBlack);
    EXPECT_EQ(totals_.Shape1Colour, kColourGreen);
    EXPECT_EQ(totals_.Label12.caption, "Saved");
    EXPECT_FALSE(totals_.ProblemLine.visible);
    EXPECT_EQ(totals_.Shape1ToolTip, "");

    design_.Slots[1].KL = 1;  // a hull far too small for what is fitted
    Recalculate(design_, catalog_, 0);
    MarkChanged(design_);
    totals_.ShowStatusSummary(design_);
    EXPECT_EQ(totals_.Label3.colour, kColourRed);
    EXPECT_EQ(totals_.Shape1Colour, kColourRed);
    EXPECT_EQ(totals_.Label12.caption, "Changed");
    EXPECT_EQ(totals_.Label12.colour, kColourRed);
    ASSERT_GE(design_.Problems.size(), 2u);
    EXPECT_TRUE(totals_.ProblemLine.visible);
    for (const std::string& problem : design_.Problems) {
        EXPECT_NE(totals_.ProblemLine.caption.find(problem), std::string::npos) << problem;
        EXPECT_NE(totals_.Shape1ToolTip.find(problem), std::string::npos) << problem;
    }
}

TEST_F(FormhTest, UtilizationIsAnInformationMessageWithNotApplicableShares) {
    design_.AvailableMW() = 0;
    design_.Hardpoints() = 0;
    testing::ScriptedPrompter prompter;
    totals_.ShowUtilization(design_, prompter);
    const testing::Question& message = prompter.questions().at(0);
    EXPECT_EQ(message.title, kProgramName);
    EXPECT_EQ(message.icon, MessageIcon::Information);
    EXPECT_NE(message.text.find("\r\nPower: n/a\r\nHardpoints: n/a\r\n"), std::string::npos)
        << message.text;
}

TEST_F(FormhTest, StandsAtTheTopRightOfTheScreenAndFollowsTheMainWindow) {
    EXPECT_EQ(Formh::Placement(1920, 300).left, 1620);
    EXPECT_EQ(Formh::Placement(1920, 300).top, 0);
    totals_.MainWindowResized(true);
    EXPECT_FALSE(totals_.Visible);
    totals_.MainWindowResized(false);
    EXPECT_TRUE(totals_.Visible);
}

}  // namespace
}  // namespace korvane::ui
