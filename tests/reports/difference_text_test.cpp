#include "reports/difference_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace korvane {
namespace {

EntryDifference SlotEntry(int slot, std::string table, FieldDifference field) {
    EntryDifference entry;
    entry.place = "Slot " + std::to_string(slot);
    entry.slot = slot;
    entry.table = std::move(table);
    entry.fields.push_back(std::move(field));
    return entry;
}

EntryDifference ItemEntry(std::string place, std::string table, FieldDifference field) {
    EntryDifference entry = SlotEntry(0, std::move(table), std::move(field));
    entry.place = std::move(place);
    return entry;
}

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Fields read in words, in the slot's or the family's sense where they have
// one; figures rounded as the totals window rounds them, in full where the
// rounding would hide the difference or show a figure as 0.
TEST(DifferenceText, FieldsInWordsFiguresAsTheTotalsShowThem) {
    const struct {
        EntryDifference entry;
        const char* line;
    } cases[] = {
        {SlotEntry(1, "", {"KL", "KL", 1350.0, 2700.0}), "  Hull volume (kl): 1,350 -> 2,700"},
        {SlotEntry(1, "", {"CR", "MCr", 0.135, 0.27}), "  Cost (MCr): 0.14 -> 0.27"},
        {SlotEntry(1, "", {"TONS", "tons", 30.04, 60.0}), "  Mass (tons): 30.0 -> 60.0"},
        {SlotEntry(1, "", {"KL", "KL", 1350.0, 1350.2}), "  Hull volume (kl): 1,350.0 -> 1,350.2"},
        {SlotEntry(4, "PP", {"MISCNUM3", "", 1.5, 2.5}), "  MW per kl: 1.5 -> 2.5"},
        {SlotEntry(4, "PP", {"MW", "MW", 0.004, std::monostate{}}), "  Power (MW): 0.004"},
        {SlotEntry(5, "", {"NUMBER", "", 720.0, 1000.0}), "  Hours of endurance: 720 -> 1,000"},
        {SlotEntry(21, "PN", {"NUMBER", "", 1.35508629441624, 2.21524873096447}),
         "  Panels: 1.36 -> 2.22"},
        {SlotEntry(21, "PN", {"KL", "KL", 0.203262944162437, 0.33228730964467}),
         "  Volume (kl): 0.2 -> 0.3"},
        {SlotEntry(21, "PN", {"MW", "MW", 1e-9, 2e-9}), "  Power (MW): 1E-09 -> 2E-09"},
        {SlotEntry(23, "", {"MISCNUM1", "", 1.0, 2.0}), "  Bridge crew: 1 -> 2"},
        {SlotEntry(24, "", {"MISCNUM2", "", 0.0, 6.0}), "  Mid passengers: 0 -> 6"},
        {SlotEntry(20, "CO", {"MISCNUM10", "", 0.0, 1.0}), "  Left out of the totals: 0 -> 1"},
        {SlotEntry(10, "PU", {"MISCNUM10", "", 12.0, 6.0}), "  Hours to purify: 12 -> 6"},
        {SlotEntry(35, "", {"MISCNUM4", "", 1.0, 2.0}), "  Figure 4: 1 -> 2"},
        {ItemEntry("Turrets", "TR", {"MISCNUM2", "", 1.0, 2.0}), "  Weapons for factor 2: 1 -> 2"},
        {ItemEntry("Turrets", "TR", {"NUMBER", "", 2.0, 3.0}), "  Number: 2 -> 3"},
        {ItemEntry("Turrets", "TR", {"TL", "", 9.0, 12.0}), "  Tech level: 9 -> 12"},
        {ItemEntry("Custom features", "", {"MISCNUM2", "", 1.0, 2.0}), "  Figure 2: 1 -> 2"},
        {ItemEntry("Craft", "CR",
                   {"MISCSTR1", "", std::string("Cutter\0\0\0\0", 10), "Pinnace   "}),
         "  Name, part 2: \"Cutter\" -> \"Pinnace\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        DesignDifferences differences;
        differences.entries.push_back(c.entry);
        const std::vector<std::string> lines = DifferenceLines(differences);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[1], c.line);
    }
}

TEST(DifferenceText, TotalsInWordsAndOneCountForEveryReader) {
    DesignDifferences differences;
    EXPECT_EQ(DifferenceSummary(differences), "The designs are the same.");
    differences.totals.push_back({"UsedKL", "KL", 100.4, 2000.0});
    differences.totals.push_back({"TotalCr", "MCr", 1.234567, 1.5});
    EXPECT_EQ(DifferenceSummary(differences), "The designs differ in their totals.");
    const std::vector<std::string> lines = DifferenceLines(differences);
    EXPECT_TRUE(HasLine(lines, "  Volume used (kl): 100 -> 2,000"));
    EXPECT_TRUE(HasLine(lines, "  Cost (MCr): 1.23 -> 1.50"));

    EntryDifference turret = ItemEntry("Turrets", "TR", {"NUMBER", "", 2.0, 3.0});
    turret.section = BreakdownSection::Weapons;
    differences.entries.push_back(turret);
    EXPECT_EQ(DifferenceSummary(differences), "1 entry differs in 1 section.");
    EntryDifference screen = ItemEntry("Screens", "SC", {"NUMBER", "", 1.0, 2.0});
    screen.section = BreakdownSection::Screens;
    differences.entries.push_back(screen);
    differences.entries.push_back(turret);
    EXPECT_EQ(DifferenceSummary(differences), "3 entries differ in 2 sections.");
}

}  // namespace
}  // namespace korvane
