#include "engine/design_advice.h"

#include <gtest/gtest.h>

#include <functional>

namespace korvane {
namespace {

ComponentRecord Fitted(std::string_view table, std::string_view label, double number, int tl) {
    ComponentRecord record;
    record.TABLE = table;
    record.IDNUM = 1;
    record.LABEL = label;
    record.NUMBER = number;
    record.TL = static_cast<std::int16_t>(tl);
    return record;
}

// A TL 12 design whose crew of 4 (bridge 1 of 1, engineering 3 of 3) sleeps
// in four staterooms: nothing to advise.
Design CrewedDesign() {
    Design design;
    design.DesignTL() = 12;
    ComponentRecord& crew = design.Slots[Slot::Crew];
    crew.MISCSTR[1] = "1";
    crew.MISCNUM[1] = 1;
    crew.MISCSTR[2] = "3";
    crew.MISCNUM[2] = 3;
    design.Accommodations[1] = Fitted("AC", "Stateroom", 4, 7);
    return design;
}

std::vector<std::string> LinesOf(const std::vector<Advice>& advice) {
    std::vector<std::string> lines;
    for (const Advice& line : advice) {
        lines.push_back(line.Line());
    }
    return lines;
}

TEST(DesignAdviceTest, NamesWhatADesignerShouldLookAtInItsSection) {
    struct Case {
        const char* what;
        std::function<void(Design&)> change;
        std::vector<std::string> advice;
    };
    const Case cases[] = {
        {"nothing", [](Design&) {}, {}},
        {"a crew position below its default",
         [](Design& d) { d.Slots[Slot::Crew].MISCNUM[2] = 2; },
         {"Crew: Engineering 2, below its default 3"}},
        {"a position above its default is no advice",
         [](Design& d) {
             d.Slots[Slot::Crew].MISCNUM[2] = 3.5;
             d.Accommodations[2] = Fitted("AC", "Barracks Bunk", 1, 6);
         },
         {}},
        {"passengers need berths too",
         [](Design& d) {
             d.Slots[Slot::PassengersAndCrewTotal].MISCNUM[1] = 1;
             d.Slots[Slot::PassengersAndCrewTotal].MISCNUM[2] = 2;
         },
         {"Crew: 4 berths for 4 crew and 3 high and mid passengers"}},
        {"a double stateroom sleeps two, a common area nobody",
         [](Design& d) {
             d.Slots[Slot::PassengersAndCrewTotal].MISCNUM[2] = 3;
             d.Accommodations[2] = Fitted("AC", "Double Stateroom", 1, 7);
             d.Accommodations[3] = Fitted("AC", "Common Area", 5, 6);
         },
         {"Crew: 6 berths for 4 crew and 3 high and mid passengers"}},
        {"low passengers need low berths, and staterooms are none",
         [](Design& d) {
             d.Slots[Slot::PassengersAndCrewTotal].MISCNUM[3] = 3;
             d.Accommodations[2] = Fitted("AC", "Low Berth", 2, 10);
             d.Accommodations[3] = Fitted("AC", "Stateroom", 10, 7);
         },
         {"Crew: 2 low berths for 3 low passengers"}},
        {"an entry set to 0 gives no berth",
         [](Design& d) { d.Accommodations[1].NUMBER = 0; },
         {"Crew: 0 berths for 4 crew"}},
        {"components above the design's tech level, each in its section",
         [](Design& d) {
             d.Slots[Slot::PowerPlant] = Fitted("PP", "Fusion-TL15", 1, 15);
             d.Turrets[3] = Fitted("TR", "Triple Beam Laser", 2, 13);
             d.Sensors[1] = Fitted("SE", "Neutrino Sensor", 1, 12);
             d.Craft[1] = Fitted("CR", "Pinnace", 1, 14);
         },
         {"Power: Fusion-TL15 is TL 15, above the design's TL 12",
          "Weapons: Triple Beam Laser is TL 13, above the design's TL 12",
          "Craft: Pinnace is TL 14, above the design's TL 12"}},
        {"what is not fitted counts nowhere",
         [](Design& d) {
             d.Slots[Slot::EmMask] = Fitted("EM", "EM Mask", 0, 16);
             d.Turrets[2] = Fitted("TR", "Laser", 0, 16);
             d.AntiHijack[kAntiHijackCounted + 1] = Fitted("AH", "Gas", 1, 16);
         },
         {}},
        {"a design without a tech level is no flood of advice",
         [](Design& d) {
             d.DesignTL() = 0;
             d.Slots[Slot::PowerPlant] = Fitted("PP", "Fusion", 1, 9);
         },
         {}},
        {"the lines follow the main window's sections",
         [](Design& d) {
             d.Slots[Slot::Crew].MISCNUM[1] = 0;
             d.CustomFeatures[1] = Fitted("CF", "Cloak", 1, 20);
             d.Slots[Slot::Armour] = Fitted("AT", "Superdense", 40, 14);
         },
         {"Hull: Superdense is TL 14, above the design's TL 12",
          "Crew: Bridge 0, below its default 1",
          "Other: Cloak is TL 20, above the design's TL 12"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Design design = CrewedDesign();
        c.change(design);
        EXPECT_EQ(LinesOf(DesignAdvice(design)), c.advice);
    }
}

}  // namespace
}  // namespace korvane
