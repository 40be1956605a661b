#include "reports/status_captions.h"

#include <string>

#include <gtest/gtest.h>

namespace korvane {
namespace {

StatusSummary Beowulf() {
    StatusSummary summary;
    summary.ship_name = "Beowulf" + std::string(43, '\0');
    summary.ship_type = "Free Trader";
    summary.tech_level = 12;
    summary.hull_kl = 1350;
    summary.used_kl = 1350;
    summary.available_mw = 12345.5;
    summary.used_mw = 0.4;
    summary.hardpoints = 1;
    summary.total_tons = 1234567.5;
    summary.total_cr = 2500000;
    summary.agility = 3;
    return summary;
}

TEST(StatusCaptions, FiguresAreRoundedAndZeroPrintsNothing) {
    const StatusCaptions captions = CaptionsOf(Beowulf());
    EXPECT_EQ(captions.ship_name, "Beowulf" + std::string(43, ' ') + " (Free Trader)")
        << "the NULs of the name read as blanks";
    EXPECT_EQ(captions.volume, "KL: 1,350\r\nKL: 1,350\r\n");
    EXPECT_EQ(captions.displacement, "D: 100\r\nD: 100\r\n");
    EXPECT_EQ(captions.power, "MW: 12,346\r\nMW: \r\n");
    EXPECT_EQ(captions.hardpoints, "H'pts: 1\r\nH'pts: \r\n");
    EXPECT_EQ(captions.mass, "Mass: 1,234,568");
    EXPECT_EQ(captions.cost, "MCr: 3");
    EXPECT_EQ(captions.agility, "Ag: 3");
    EXPECT_EQ(captions.cargo, "Cargo: ");
    EXPECT_EQ(captions.tech_level, "TL: 12");
    EXPECT_EQ(captions.changed_mark, "Saved");
}

TEST(StatusCaptions, CargoIsTheWholeTonsLeftAndTheMarkFollowsTheChange) {
    StatusSummary summary = Beowulf();
    summary.used_kl = 1000;  // 25.9 tons free
    summary.changed = true;
    const StatusCaptions captions = CaptionsOf(summary);
    EXPECT_EQ(captions.cargo, "Cargo: 25");
    EXPECT_EQ(captions.changed_mark, "Changed");
}

}  // namespace
}  // namespace korvane
