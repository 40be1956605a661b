#include "ui/catalog_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/editors/list_editor_test_support.h"

namespace korvane::ui_test {
namespace {

using ui::CatalogColumn;
using ui::CatalogKey;
using ui::CatalogTable;
using ui::SortOrder;

// Five sensors of two codes; ids repeat across the codes.
CatalogTable Sensors() {
    CatalogTable table;
    for (const ComponentRecord& row : {Row("SA", 1, "EMS Active", 2, 1, 0.5, 50'000, 9),
                                       Row("SA", 2, "Radar", 0.5, 3, 0.25, 900'000, 12),
                                       Row("SV", 1, "Visual Suite", 1, 1, 0.1, 10'000, 7),
                                       Row("SV", 2, "ems passive", 3, 2, 0.5, 60'000, 9),
                                       Row("SN", 1, "Neutrino", 5, 4, 2, 2'000'000, 14)}) {
        table.AddRow(row, row.LABEL.str(), row.LABEL.str() + " details");
    }
    return table;
}

std::string Padded(std::string_view label) {
    std::string text(label);
    text.resize(20, ' ');
    return text;
}

std::vector<std::string> Shown(const CatalogTable& table) {
    std::vector<std::string> labels;
    for (int row = 0; row < table.Count(); ++row) {
        labels.emplace_back(table.Text(row).substr(0, table.Text(row).find("  ")));
    }
    return labels;
}

TEST(CatalogTable, TheFilterKeepsTheRowsWhoseLabelHoldsItIgnoringCase) {
    const struct {
        std::string filter;
        std::vector<std::string> shown;
    } cases[] = {
        {"", {"EMS Active", "Radar", "Visual Suite", "ems passive", "Neutrino"}},
        {"ems", {"EMS Active", "ems passive"}},
        {"EMS P", {"ems passive"}},
        {"a", {"EMS Active", "Radar", "Visual Suite", "ems passive"}},
        {"suite", {"Visual Suite"}},
        {"sonar", {}},
        {"SA", {}},  // the table code is no part of the label
    };
    CatalogTable table = Sensors();
    for (const auto& c : cases) {
        SCOPED_TRACE("filter \"" + c.filter + "\"");
        table.SetFilter(c.filter);
        EXPECT_EQ(Shown(table), c.shown);
        EXPECT_EQ(table.Filter(), c.filter);
    }
}

TEST(CatalogTable, AHeadingSortsUpThenDownThenBackToTheCatalogsOrder) {
    const struct {
        CatalogColumn column;
        SortOrder order;
        std::vector<std::string> shown;
    } clicks[] = {
        {CatalogColumn::Cost,
         SortOrder::Ascending,
         {"Visual Suite", "EMS Active", "ems passive", "Radar", "Neutrino"}},
        {CatalogColumn::Cost,
         SortOrder::Descending,
         {"Neutrino", "Radar", "ems passive", "EMS Active", "Visual Suite"}},
        {CatalogColumn::Cost,
         SortOrder::Catalog,
         {"EMS Active", "Radar", "Visual Suite", "ems passive", "Neutrino"}},
        {CatalogColumn::Label,
         SortOrder::Ascending,
         {"EMS Active", "ems passive", "Neutrino", "Radar", "Visual Suite"}},
        // Rows of the same tech level keep the catalog's order.
        {CatalogColumn::TechLevel,
         SortOrder::Ascending,
         {"Visual Suite", "EMS Active", "ems passive", "Radar", "Neutrino"}},
        {CatalogColumn::Volume,
         SortOrder::Ascending,
         {"Radar", "Visual Suite", "EMS Active", "ems passive", "Neutrino"}},
        {CatalogColumn::Mass,
         SortOrder::Ascending,
         {"EMS Active", "Visual Suite", "ems passive", "Radar", "Neutrino"}},
        {CatalogColumn::Power,
         SortOrder::Ascending,
         {"Visual Suite", "Radar", "EMS Active", "ems passive", "Neutrino"}},
    };
    CatalogTable table = Sensors();
    for (const auto& click : clicks) {
        SCOPED_TRACE(ui::CatalogColumnHeading(click.column));
        table.SortBy(click.column);
        EXPECT_EQ(table.Order(), click.order);
        EXPECT_EQ(Shown(table), click.shown);
    }

    table.SortBy(CatalogColumn::Cost);
    table.SetFilter("EMS");
    EXPECT_EQ(Shown(table), (std::vector<std::string>{"EMS Active", "ems passive"}))
        << "a filter keeps the order";
}

TEST(CatalogTable, TheSelectedRowIsKnownByItsKeyWhereverItMoves) {
    CatalogTable table = Sensors();
    table.Select(3);  // SV 2 "ems passive"
    table.SortBy(CatalogColumn::Cost);
    table.SortBy(CatalogColumn::Cost);
    ASSERT_TRUE(table.SelectedKey());
    EXPECT_EQ(*table.SelectedKey(), (CatalogKey{"SV", 2}));
    EXPECT_EQ(table.Selected(), 2);

    table.SetFilter("passive");
    EXPECT_EQ(table.Selected(), 0);
    table.SetFilter("radar");
    EXPECT_FALSE(table.Selected()) << "a row filtered out is no longer selected";
    EXPECT_EQ(table.SelectedKey(), nullptr);

    table.SetFilter("");
    table.SelectKey({"SA", 2});
    EXPECT_EQ(Shown(table).at(static_cast<std::size_t>(*table.Selected())), "Radar");
    table.SelectKey({"SM", 1});
    EXPECT_FALSE(table.Selected()) << "a key the table does not hold selects nothing";
    table.Select(9);
    EXPECT_FALSE(table.Selected());
}

TEST(CatalogTable, CellsShowTheFiguresOfOneUnit) {
    const CatalogTable table = Sensors();
    EXPECT_EQ(table.Cell(4, CatalogColumn::Label), Padded("Neutrino"));
    EXPECT_EQ(table.Cell(4, CatalogColumn::TechLevel), "14");
    EXPECT_EQ(table.Cell(4, CatalogColumn::Volume), "5.0");
    EXPECT_EQ(table.Cell(4, CatalogColumn::Mass), "4.0");
    EXPECT_EQ(table.Cell(1, CatalogColumn::Power), "0.25");
    EXPECT_EQ(table.Cell(4, CatalogColumn::Cost), "2,000,000");
    EXPECT_EQ(table.ToolTip(4), Padded("Neutrino") + " details");
}

}  // namespace
}  // namespace korvane::ui_test
