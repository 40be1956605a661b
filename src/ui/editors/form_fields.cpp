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

int RoundedItemData(double value) {
    const double rounded = std::round(value);
    return std::abs(rounded) <= kLargestPosition ? static_cast<int>(rounded) : 0;
}

double NumberIn(const TextBox& box) {
    return LeadingNumber(box.text);
}

std::string NumberText(double value) {
    return PlainNumber(value);
}

void AddDigitCodes(ListBox& list, int first, int last) {
    for (int n = first; n <= last; ++n) {
        list.AddItem(EncodeDigit(n), n);
    }
}

}  // namespace korvane::ui
