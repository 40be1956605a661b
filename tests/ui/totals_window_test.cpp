#include "ui/totals_window.h"

#include <gtest/gtest.h>

#include "app/new_design.h"
#include "engine/recalculate.h"
#include "engine/status_summary.h"
#include "model/standard_catalog.h"
#include "model/text_helpers.h"
#include "support/scripted_prompter.h"

namespace korvane::ui {
namespace {

class TotalsWindowTest : public ::testing::Test {
protected:
    void SetUp() override { NewDesign(design_, catalog_); }

    Catalog catalog_{StandardCatalogRows()};
    Session session_;
    Design& design_ = session_.design;
    DesignDocument document_{session_};
    TotalsWindow totals_{document_};
};

TEST_F(TotalsWindowTest, ShowsBrokenLimitsAndTheProblemsInRed) {
    design_.AvailableMW() = 100;  // as if a power plant were fitted
    totals_.ShowStatusSummary(design_);
    EXPECT_EQ(totals_.volume.colour, kColourBlack);
    EXPECT_EQ(totals_.lamp_colour, kColourGreen);
    EXPECT_EQ(totals_.changed_mark.caption, "Saved");
    EXPECT_FALSE(totals_.problem_line.visible);
    EXPECT_EQ(totals_.lamp_tooltip, "");

    design_.Slots[Slot::Hull].KL = 1;  // a hull far too small for what is fitted
    Recalculate(design_, catalog_);
    MarkChanged(design_);
    totals_.ShowStatusSummary(design_);
    EXPECT_EQ(totals_.volume.colour, kColourRed);
    EXPECT_EQ(totals_.lamp_colour, kColourRed);
    EXPECT_EQ(totals_.changed_mark.caption, "Changed");
    EXPECT_EQ(totals_.changed_mark.colour, kColourRed);
    ASSERT_GE(design_.Problems.size(), 2u);
    EXPECT_TRUE(totals_.problem_line.visible);
    for (const std::string& problem : design_.Problems) {
        EXPECT_NE(totals_.problem_line.caption.find(problem), std::string::npos) << problem;
        EXPECT_NE(totals_.lamp_tooltip.find(problem), std::string::npos) << problem;
    }
}

TEST_F(TotalsWindowTest, TheAdviceNamesWhatToLookAtAndLeavesTheLampAlone) {
    const auto set_bridge = [this](double crew) {
        design_.Slots[Slot::Crew].MISCNUM[1] = crew;
        Recalculate(design_, catalog_);
        totals_.ShowStatusSummary(design_);
    };
    set_bridge(0);
    const std::string default_crew(Trimmed(design_.Slots[Slot::Crew].MISCSTR[1].view()));
    ASSERT_GT(LeadingNumber(default_crew), 0) << "the new design needs a bridge crew";
    const std::string line = "Crew: Bridge 0, below its default " + default_crew;

    const int lamp = totals_.lamp_colour;
    ASSERT_FALSE(totals_.advice.empty());
    EXPECT_EQ(totals_.advice[0].section, "Crew");
    EXPECT_TRUE(totals_.advice_lines.visible);
    EXPECT_EQ(totals_.advice_lines.caption.rfind("Advice:\n", 0), 0u)
        << totals_.advice_lines.caption;
    EXPECT_NE(totals_.advice_lines.caption.find(line), std::string::npos)
        << totals_.advice_lines.caption;

    set_bridge(LeadingNumber(default_crew));
    EXPECT_EQ(totals_.advice_lines.caption.find(line), std::string::npos)
        << "a mended position is no longer advised";
    EXPECT_EQ(totals_.lamp_colour, lamp) << "advice is no problem";
}

TEST_F(TotalsWindowTest, UtilizationIsAnInformationMessageWithNotApplicableShares) {
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

TEST_F(TotalsWindowTest, FollowsTheMainWindow) {
    totals_.MainWindowResized(true);
    EXPECT_FALSE(totals_.Visible);
    totals_.MainWindowResized(false);
    EXPECT_TRUE(totals_.Visible);
}

}  // namespace
}  // namespace korvane::ui
