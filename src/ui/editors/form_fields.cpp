#include "ui/editors/form_fields.h"

#include <cmath>

#include "engine/digit_codes.h"
#include "model/number_format.h"
#include "model/text_helpers.h"

namespace korvane::ui {

namespace {

// Far beyond any list, well inside an int.
constexpr double kLargestPosition = 1e6;

}  // namespace

void ForEachCatalogRow(Catalog& catalog, std::string_view family, int last_id,
                       const std::function<bool(const ComponentRecord&)>& add) {
    for (int id = 1; id <= last_id; ++id) {
        const ComponentRecord& row = catalog.LookupComponent(family, id);
        if (IsEmptyEntry(row) || !add(row)) {
            return;
        }
    }
}

std::optional<int> PositionOf(double stored) {
    const double whole = std::floor(stored);
    if (!(std::abs(whole) <= kLargestPosition)) {
        return std::nullopt;
    }
    return static_cast<int>(whole);
}

std::optional<int> RowWithItemData(const ListBox& list, std::optional<int> data) {
    for (int row = 0; data && row < list.Count(); ++row) {
        if (list.ItemData(row) == *data) {
            return row;
        }
    }
    return std::nullopt;
}

std::optional<int> IdAtPosition(double stored) {
    const std::optional<int> position = PositionOf(stored);
    return position ? std::optional(*position + 1) : std::nullopt;
}

double NumberIn(const TextBox& box) {
    return LeadingNumber(box.text);
}

std::string NumberText(double value) {
    return PlainNumber(value);
}

std::string GroupedNumber(double value) {
    std::string text = FormatPattern(value, "#,##0.#########");
    if (text.ends_with('.')) {
        text.pop_back();
    }
    return text;
}

void AddDigitCodes(ListBox& list, int first, int last) {
    for (int n = first; n <= last; ++n) {
        list.AddItem(EncodeDigit(n), n);
    }
}

}  // namespace korvane::ui
