#include "ui/controls.h"

#include <gtest/gtest.h>

namespace korvane::ui {
namespace {

TEST(ListBox, KeepsItemDataWithItsRowAndASelectionOnlyOnAnExistingRow) {
    ListBox list;
    list.AddItem("Laser turret", 7);
    list.AddItem("Missile turret", 3);
    list.Select(1);
    EXPECT_EQ(list.Selected(), 1);
    EXPECT_EQ(list.ItemData(*list.Selected()), 3);

    list.RemoveItem(0);
    EXPECT_EQ(list.Text(0), "Missile turret");
    EXPECT_EQ(list.ItemData(0), 3);
    EXPECT_EQ(list.Selected(), 0) << "the selection follows its row";
    list.RemoveItem(0);
    EXPECT_EQ(list.Selected(), std::nullopt) << "the selected row is gone";
    list.AddItem("Missile turret", 3);

    list.Select(5);
    EXPECT_EQ(list.Selected(), std::nullopt);
    list.RemoveItem(9);
    EXPECT_EQ(list.Count(), 1);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace korvane::ui
