#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "engine/breakdown.h"
#include "model/design.h"

namespace korvane {

// One side of a difference: a number in the unit the profile shows it in (credits
// as MCr), a text (Windows-1252 bytes as stored), or nothing when the entry is
// on the other side only.
using DiffValue = std::variant<std::monostate, double, std::string>;

struct FieldDifference {
    std::string field;  // "KL", "NUMBER", "LABEL", "UsedKL" …
    std::string unit;   // "KL", "tons", "MW", "MCr" or empty
    DiffValue before;
    DiffValue after;
};

enum class EntryChange { Changed, OnlyBefore, OnlyAfter };

// A slot or item-table entry that differs. Slots are matched by number, item-table
// entries by their catalog row (family and id; the label for entries of no
// family, such as custom features): entries of one row that are equal are
// paired first, the others in their order.
struct EntryDifference {
    std::string place;  // "Slot 4, Power plant" or the item table, "Turrets"
    int slot = 0;       // the slot's number; 0 for an item-table entry
    BreakdownSection section = BreakdownSection::Other;
    std::string table;  // the catalog row: family code, id and label (as stored)
    int id = 0;
    std::string label;
    EntryChange change = EntryChange::Changed;
    std::vector<FieldDifference> fields;
};

struct DesignDifferences {
    std::vector<FieldDifference> totals;
    std::optional<std::pair<std::string, std::string>> profile_code;  // before, after
    std::vector<std::string> problems_only_before;
    std::vector<std::string> problems_only_after;
    std::vector<EntryDifference> entries;

    bool Same() const {
        return totals.empty() && !profile_code && problems_only_before.empty() &&
               problems_only_after.empty() && entries.empty();
    }
    // The breakdown sections with a differing entry, in section order.
    std::vector<BreakdownSection> ChangedSections() const;
};

// What differs between two recalculated designs. Two figures are the same when
// their shortest decimal forms (15 significant digits, as files keep them) are:
// a sum taken in another order does not make a difference. Two texts are the
// same when they read the same (ShownText): a field never set (NULs) and one
// of blanks do not differ.
DesignDifferences CompareDesigns(const Design& before, const Design& after);

}  // namespace korvane
