#include "engine/design_diff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <utility>

#include "app/new_design.h"
#include "engine/recalculate.h"
#include "model/standard_catalog.h"
#include "reports/difference_text.h"
#include "support/random_design.h"

namespace korvane {
namespace {

TEST(DesignDiff, DesignsWithTheSameEntriesInAnyOrderAreTheSame) {
    Catalog catalog(StandardCatalogRows());
    std::mt19937 random(20261207);
    for (int round = 0; round < 50; ++round) {
        SCOPED_TRACE("design " + std::to_string(round));
        const Design design = testing::RandomDesign(catalog, random);
        EXPECT_TRUE(CompareDesigns(design, design).Same());
        Design reordered = testing::WithEntriesReversed(design);
        Recalculate(reordered, catalog);
        const DesignDifferences differences = CompareDesigns(design, reordered);
        EXPECT_TRUE(differences.Same())
            << (differences.entries.empty() ? std::string("the totals")
                                            : EntryHeading(differences.entries.front()));
    }
}

struct ExpectedField {
    std::string field;
    DiffValue before;
    DiffValue after;
};

struct ChangeCase {
    std::string name;
    std::function<void(Catalog&, Design&)> change;
    std::string place;
    EntryChange kind;
    std::string label;                  // of a changed item-table entry, blanks and NULs trimmed
    std::vector<ExpectedField> fields;  // a few of the fields that must be listed
    std::vector<BreakdownSection> sections;
};

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) {
        text.pop_back();
    }
    return text;
}

ComponentRecord Counted(const ComponentRecord& row, double number) {
    ComponentRecord entry = row;
    entry.NUMBER = number;
    return entry;
}

// A small design to change: two staterooms and a double-occupancy one, two
// custom features of no catalog row.
Design BaseDesign(Catalog& catalog) {
    Design design;
    NewDesign(design, catalog);
    design.Accommodations[1] = Counted(catalog.LookupComponent("AC", 1), 4);
    design.Accommodations[2] = Counted(catalog.LookupComponent("AC", 2), 2);
    for (int i = 1; i <= 2; ++i) {
        ComponentRecord& feature = design.CustomFeatures[static_cast<std::size_t>(i)];
        feature.LABEL = "Lounge " + std::to_string(i);
        feature.NUMBER = 1;
        feature.KL = 27;
        feature.CR = 250000 * i;
    }
    Recalculate(design, catalog);
    return design;
}

TEST(DesignDiff, ListsEachChangedEntryFieldByFieldInTheProfilesUnits) {
    const std::vector<ChangeCase> cases = {
        {"count of a stateroom moved to another place",
         [](Catalog& catalog, Design& d) {
             d.Accommodations[1] = BlankRecord;
             d.Accommodations[7] = Counted(catalog.LookupComponent("AC", 1), 5);
         },
         "Accommodation",
         EntryChange::Changed,
         "Stateroom",
         {{"NUMBER", 4.0, 5.0}},
         {BreakdownSection::CrewAndAccommodation}},
        {"a custom feature's cost, matched by its label",
         [](Catalog&, Design& d) {
             std::swap(d.CustomFeatures[1], d.CustomFeatures[2]);
             d.CustomFeatures[1].CR = 1'500'000;
         },
         "Custom features",
         EntryChange::Changed,
         "Lounge 2",
         {{"CR", 0.5, 1.5}},
         {BreakdownSection::Other}},
        {"a turret added",
         [](Catalog& catalog, Design& d) {
             d.Turrets[3] = Counted(catalog.LookupComponent("TR", 1), 2);
         },
         "Turrets",
         EntryChange::OnlyAfter,
         "",
         {{"NUMBER", std::monostate{}, 2.0}},
         {BreakdownSection::Weapons}},
        {"a stateroom removed",
         [](Catalog&, Design& d) { d.Accommodations[2] = BlankRecord; },
         "Accommodation",
         EntryChange::OnlyBefore,
         "",
         {{"NUMBER", 2.0, std::monostate{}}},
         {BreakdownSection::CrewAndAccommodation}},
        {"the hull enlarged",
         [](Catalog&, Design& d) { d.Slots[Slot::Hull].KL = 1350 * 2; },
         "Slot 1, Hull",
         EntryChange::Changed,
         "",
         {{"KL", 1350.0, 2700.0}, {"TONS", 30.0, 60.0}, {"CR", 0.135, 0.27}},
         {}},
    };
    Catalog catalog(StandardCatalogRows());
    const Design base = BaseDesign(catalog);
    for (const ChangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        Design changed = base;
        c.change(catalog, changed);
        Recalculate(changed, catalog);
        const DesignDifferences differences = CompareDesigns(base, changed);
        EXPECT_FALSE(differences.Same());
        const auto entry = std::find_if(
            differences.entries.begin(), differences.entries.end(),
            [&](const EntryDifference& e) { return e.place == c.place && e.change == c.kind; });
        ASSERT_NE(entry, differences.entries.end());
        if (!c.label.empty()) {
            EXPECT_EQ(Trimmed(entry->label), c.label);
        }
        for (const ExpectedField& expected : c.fields) {
            const auto field =
                std::find_if(entry->fields.begin(), entry->fields.end(),
                             [&](const FieldDifference& f) { return f.field == expected.field; });
            ASSERT_NE(field, entry->fields.end()) << expected.field;
            EXPECT_EQ(field->before, expected.before) << expected.field;
            EXPECT_EQ(field->after, expected.after) << expected.field;
        }
        // The changed entry's section is listed (besides those of the slots
        // the recalculation derives from it).
        const std::vector<BreakdownSection> changed_sections = differences.ChangedSections();
        for (const BreakdownSection section : c.sections) {
            EXPECT_NE(std::find(changed_sections.begin(), changed_sections.end(), section),
                      changed_sections.end())
                << BreakdownSectionName(section);
        }
        // An entry is listed only with a field that differs.
        for (const EntryDifference& e : differences.entries) {
            EXPECT_FALSE(e.fields.empty()) << e.place;
        }
    }
}

TEST(DesignDiff, TotalsProfileCodeAndProblemsAreCompared) {
    Catalog catalog(StandardCatalogRows());
    const Design base = BaseDesign(catalog);
    Design changed = base;
    changed.Slots[Slot::Hull].KL = 1350 * 20;
    changed.Slots[Slot::MainComputer] = BlankRecord;
    Recalculate(changed, catalog);

    const DesignDifferences differences = CompareDesigns(base, changed);
    const auto total = [&](std::string_view name) {
        return std::find_if(differences.totals.begin(), differences.totals.end(),
                            [&](const FieldDifference& f) { return f.field == name; });
    };
    ASSERT_NE(total("HullKL"), differences.totals.end());
    EXPECT_EQ(total("HullKL")->before, DiffValue(1350.0));
    EXPECT_EQ(total("HullKL")->after, DiffValue(27000.0));
    EXPECT_EQ(total("HullKL")->unit, "KL");
    ASSERT_NE(total("TotalCr"), differences.totals.end());
    EXPECT_EQ(total("TotalCr")->unit, "MCr");
    EXPECT_EQ(std::get<double>(total("TotalCr")->before), base.TotalCr() / 1e6);
    EXPECT_EQ(total("ShipName"), differences.totals.end());
    ASSERT_TRUE(differences.profile_code.has_value());
    EXPECT_NE(differences.profile_code->first, differences.profile_code->second);
    const auto& only_after = differences.problems_only_after;
    EXPECT_NE(std::find(only_after.begin(), only_after.end(), "No main computer"),
              only_after.end());
    for (const std::string& problem : differences.problems_only_before) {
        EXPECT_EQ(std::find(changed.Problems.begin(), changed.Problems.end(), problem),
                  changed.Problems.end())
            << problem;
    }
}

// A field never set holds NULs, one set to nothing holds blanks: they read the
// same, so they are no difference; a text that reads otherwise still is.
TEST(DesignDiff, TextsThatReadTheSameAreNoDifference) {
    const std::string nuls(10, '\0');
    const struct {
        const char* name;
        std::function<void(Design&)> change;
        bool differs;
    } cases[] = {
        {"a slot's text of blanks",
         [](Design& d) { d.Slots[Slot::Hull].MISCSTR[2] = "          "; }, false},
        {"a slot's profile character of a blank",
         [](Design& d) { d.Slots[Slot::Armour].USP = " "; }, false},
        {"a custom feature's label padded with NULs",
         [&nuls](Design& d) { d.CustomFeatures[1].LABEL.assign("Lounge 1" + nuls); }, false},
        {"a ship name padded with NULs",
         [&nuls](Design& d) { d.DesignRecord.LABEL.assign(nuls + nuls); }, false},
        {"an entry of blanks and zeros beside none", [](Design& d) { d.Turrets[4].LABEL = " "; },
         false},
        {"a NUL inside a text, which reads as a blank",
         [](Design& d) { d.Slots[Slot::Hull].MISCSTR[1] = "a b"; }, false},
        {"a text that reads otherwise", [](Design& d) { d.Slots[Slot::Hull].MISCSTR[1] = "x"; },
         true},
    };
    Catalog catalog(StandardCatalogRows());
    Design base = BaseDesign(catalog);
    base.Slots[Slot::Hull].MISCSTR[1].assign(std::string("a\0b", 3) + std::string(7, '\0'));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Design changed = base;
        c.change(changed);
        const DesignDifferences differences = CompareDesigns(base, changed);
        EXPECT_EQ(!differences.Same(), c.differs)
            << (differences.entries.empty() ? std::string("the totals")
                                            : EntryHeading(differences.entries.front()));
    }
}

// Figures compare as files keep them, to 15 significant digits: a change
// past the 6th digit is one, a sum taken in another order is none.
TEST(DesignDiff, FiguresDifferWhenTheirFifteenDigitFormsDo) {
    const double point_three = 0.1 + 0.2;
    const struct {
        double before;
        double after;
        bool differs;
    } cases[] = {
        {1'000'000, 1'000'000.25, true},
        {1'000'000, 1'000'001, true},
        {123'456.789012, 123'456.789013, true},
        {0.3, point_three, false},
        {2.675, 2.675 + 2e-16, false},
        {1e15, 1e15 + 0.125, false},
        {0, -0.0, false},
    };
    Catalog catalog(StandardCatalogRows());
    const Design base = BaseDesign(catalog);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.before) + " against " + std::to_string(c.after));
        Design before = base;
        Design after = base;
        before.Slots[Slot::Hull].KL = c.before;
        after.Slots[Slot::Hull].KL = c.after;
        const DesignDifferences differences = CompareDesigns(before, after);
        EXPECT_TRUE(differences.totals.empty());
        if (c.differs) {
            ASSERT_EQ(differences.entries.size(), 1u);
            ASSERT_EQ(differences.entries[0].fields.size(), 1u);
            EXPECT_EQ(differences.entries[0].fields[0].field, "KL");
        } else {
            EXPECT_TRUE(differences.Same());
        }
    }
}

}  // namespace
}  // namespace korvane
