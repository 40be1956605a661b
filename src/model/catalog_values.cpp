#include "model/catalog_values.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "model/cp1252.h"

namespace korvane {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

Result<double> ParseCatalogNumber(std::string_view text, const FieldInfo& field) {
    const std::string_view value = TrimBlanks(text);
    if (value.empty()) {
        if (field.name == "custom") {
            return 0.0;
        }
        return Error{"field " + std::string(field.name) +
                     " is empty; numeric fields must hold a value"};
    }
    std::string_view digits = value;
    if (digits.front() == '+') {
        digits.remove_prefix(1);
    }
    double number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(number)) {
        return Error{"field " + std::string(field.name) + " holds \"" + Utf8FromCp1252(value) +
                     "\", which is not a number"};
    }
    if (field.kind == FieldKind::Integer) {
        number = std::round(number);
        if (number < std::numeric_limits<std::int16_t>::min() ||
            number > std::numeric_limits<std::int16_t>::max()) {
            return Error{"field " + std::string(field.name) + " holds " + std::string(value) +
                         ", outside the range -32768 to 32767"};
        }
    }
    return number == 0 ? 0.0 : number;
}

std::string ExactNumberText(double value) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::string RowKeyText(const ComponentRecord& record) {
    std::string table = record.TABLE.trimmed();
    for (char& c : table) {
        if (c == '\0') {
            c = ' ';
        }
    }
    return "(" + Utf8FromCp1252(table) + ", " + std::to_string(record.IDNUM) + ")";
}

}  // namespace korvane
