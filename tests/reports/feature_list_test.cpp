#include "reports/feature_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <vector>

namespace korvane {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "every line ends in CRLF";
    return lines;
}

TEST(FeatureList, EightLinesForEachOfTheFortySlots) {
    Design design;
    design.Slots[Slot::Hull].KL = 1350;
    design.Slots[Slot::Hull].TONS = 30.4;
    design.Slots[Slot::Hull].CR = 1234567.5;
    design.Slots[Slot::Hull].MW = 0.4;
    design.Slots[Slot::Hull].USP = "A";
    const std::vector<std::string> lines = Lines(FeatureList(design));
    ASSERT_EQ(lines.size(), 2u + 40u * 8u);
    EXPECT_EQ(lines[0], "Feature List");
    EXPECT_EQ(lines[1], "");
    const std::vector<std::string> hull(lines.begin() + 2, lines.begin() + 10);
    EXPECT_EQ(hull, (std::vector<std::string>{
                        "01 Basic hull      ", "    1,350 KL", "    100 d-Tons", "    30 Tons ",
                        "     MW ", "    Cr1,234,568", "    USP A", "    200 deck plan squares"}));
    EXPECT_EQ(lines[2 + 8 * 18], "19 Main computer   ") << "names padded to 15 characters";
}

TEST(FeatureList, EmptySlotsPrintBlanksAndNothingElse) {
    Design design;  // never-set texts: NUL bytes
    design.Slots.ByNumber(40).KL = std::nan("");
    const std::vector<std::string> lines = Lines(FeatureList(design));
    const std::vector<std::string> last(lines.end() - 8, lines.end());
    EXPECT_EQ(last, (std::vector<std::string>{"40                 ", "     KL", "     d-Tons",
                                              "     Tons ", "     MW ", "    Cr", "    USP  ",
                                              "     deck plan squares"}));
    EXPECT_EQ(FeatureList(design).find('\0'), std::string::npos);
}

}  // namespace
}  // namespace korvane
