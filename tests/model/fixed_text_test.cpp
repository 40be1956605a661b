#include "model/component_record.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(FixedText, NeverAssignedHoldsNulAndAssignmentPadsOrCuts) {
    ComponentRecord record;
    EXPECT_TRUE(record.LABEL.never_assigned());
    EXPECT_EQ(record.LABEL.str(), std::string(20, '\0'));

    record.LABEL = "Laser";
    EXPECT_EQ(record.LABEL.str(), "Laser" + std::string(15, ' '));

    record.LABEL = "Triple Beam Laser Turret";
    EXPECT_EQ(record.LABEL.str(), "Triple Beam Laser Tu");
}

TEST(FixedText, BlankEntryIsRecognisedByItsLabelOnly) {
    ComponentRecord blank;
    EXPECT_TRUE(IsEmptyEntry(blank));

    ComponentRecord blanks;
    blanks.LABEL = "";
    EXPECT_EQ(blanks.LABEL.str(), std::string(20, ' '));
    EXPECT_FALSE(IsEmptyEntry(blanks));

    ComponentRecord counted = BlankRecord;
    counted.NUMBER = 3;
    EXPECT_TRUE(IsEmptyEntry(counted));
}

}  // namespace
}  // namespace korvane
