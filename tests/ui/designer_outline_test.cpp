#include "ui/designer_outline.h"

#include <gtest/gtest.h>

#include <string>

#include "app/new_design.h"
#include "engine/recalculate.h"
#include "engine/status_summary.h"
#include "model/standard_catalog.h"

namespace korvane::ui {
namespace {

class DesignerOutlineTest : public ::testing::Test {
protected:
    void SetUp() override { NewDesign(design_, catalog_); }

    const OutlineNode& Node(const std::vector<OutlineNode>& outline, EditorId id) {
        return outline[static_cast<std::size_t>(id)];
    }

    Catalog catalog_{StandardCatalogRows()};
    Design design_;
};

// Every part of the breakdown is in exactly one section's share, so the
// sections' shares make the whole, whatever is counted.
TEST_F(DesignerOutlineTest, TheSectionsSharesMakeTheWholeDesign) {
    design_.Slots[Slot::Hull].KL = 14 * 2000;
    Recalculate(design_, catalog_);
    for (const BreakdownQuantity quantity : kBreakdownQuantities) {
        SCOPED_TRACE(static_cast<int>(quantity));
        double sum = 0;
        int sections = 0;
        for (const OutlineNode& node : DesignOutline(design_, quantity)) {
            if (!EntryOf(node.id).parent && !node.share.empty()) {
                ASSERT_EQ(node.share.back(), '%') << node.share;
                sum += std::stod(node.share);
                ++sections;
            }
        }
        EXPECT_GT(sections, 2);
        EXPECT_NEAR(sum, 100, sections / 2.0 + 0.01) << "each share is rounded to a whole percent";
    }
    const auto outline = DesignOutline(design_, BreakdownQuantity::Volume);
    EXPECT_EQ(Node(outline, EditorId::Sensors).share, "") << "counted in its parent's share";
}

TEST_F(DesignerOutlineTest, EachProblemLeadsToTheSectionThatPutsItRight) {
    struct Case {
        ProblemSource source;
        EditorId editor;
    };
    const Case cases[] = {
        {ProblemSource::Hull, EditorId::Hull},       {ProblemSource::Totals, EditorId::Hull},
        {ProblemSource::Power, EditorId::Power},     {ProblemSource::Drives, EditorId::Drives},
        {ProblemSource::Screens, EditorId::Screens}, {ProblemSource::Weapons, EditorId::Weapons},
        {ProblemSource::Control, EditorId::Control}, {ProblemSource::Features, EditorId::Crew},
        {ProblemSource::Craft, EditorId::Craft},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(static_cast<int>(each.source));
        Design design = design_;
        design.AvailableMW() = design.UsedMW();  // no limit broken
        design.BlockProblems[static_cast<std::size_t>(each.source)] = {"Something is wrong"};
        CheckDesignLimits(design);
        const std::vector<SectionLink> links = ProblemLinks(design);
        ASSERT_EQ(links.size(), 1u);
        EXPECT_EQ(links[0].text, "Something is wrong");
        EXPECT_EQ(links[0].editor, each.editor);
        const auto outline = DesignOutline(design, BreakdownQuantity::Volume);
        for (const OutlineNode& node : outline) {
            const bool concerned = node.id == each.editor || EntryOf(each.editor).parent == node.id;
            EXPECT_EQ(node.has_problem, concerned) << EntryOf(node.id).name;
        }
    }
}

TEST_F(DesignerOutlineTest, ABrokenLimitLeadsToWhatBreaksIt) {
    design_.HullKL() = design_.UsedKL() - 1;
    design_.AvailableMW() = design_.UsedMW() - 1;
    CheckDesignLimits(design_);
    std::string found;
    for (const SectionLink& link : ProblemLinks(design_)) {
        if (link.text.starts_with("Volume used") || link.text.starts_with("Power used")) {
            found += std::string(EntryOf(link.editor).name) + ";";
        }
    }
    EXPECT_EQ(found, "Hull;Power;");
}

TEST_F(DesignerOutlineTest, AdviceLeadsToTheSectionItNames) {
    Recalculate(design_, catalog_);
    // A crew position left below its default.
    design_.Slots[Slot::Crew].MISCSTR[1] = "3";
    design_.Slots[Slot::Crew].MISCNUM[1] = 0;
    const std::vector<SectionLink> links = AdviceLinks(design_);
    ASSERT_FALSE(links.empty());
    for (const SectionLink& link : links) {
        EXPECT_EQ(link.editor, EditorId::Crew) << link.text;
    }
}

}  // namespace
}  // namespace korvane::ui
