#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/catalog.h"
#include "model/component_record.h"
#include "ui/controls.h"

namespace korvane::ui {

// Calls `add` for the catalog rows of `family` with ids 1, 2, … up to
// `last_id`, stopping at the first id that has no row or for which `add`
// returns false. Ids run without gaps; a gap hides every later row.
void ForEachCatalogRow(Catalog& catalog, std::string_view family, int last_id,
                       const std::function<bool(const ComponentRecord&)>& add);

// The list row a stored number selects: its integer part. A value that is not
// a number of any sensible size selects nothing.
std::optional<int> PositionOf(double stored);

// The row whose item data is `data`; none when no row has it.
std::optional<int> RowWithItemData(const ListBox& list, std::optional<int> data);
// The catalog id of the row at list position `stored` (see PositionOf), for
// the rows a design keeps by their position: position 0 is id 1.
std::optional<int> IdAtPosition(double stored);

// A typed number as the design stores it: its leading number, "3 turrets"
// reads 3 and text without one reads 0.
double NumberIn(const TextBox& box);
std::string NumberText(double value);
// A typed number as a step names it, its thousands grouped: "2,000", "1,234.5".
std::string GroupedNumber(double value);

// A check box as a stored flag: 1 ticked, 0 not.
inline double Flag(const CheckBox& box) {
    return box.checked ? 1 : 0;
}

// The digit codes of first..last ("9", "A" … "M") as list rows.
void AddDigitCodes(ListBox& list, int first, int last);

}  // namespace korvane::ui
