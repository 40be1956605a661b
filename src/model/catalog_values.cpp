#include "model/catalog_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "model/cp1252.h"
#include "model/text_helpers.h"

namespace korvane {

Result<double> ParseCatalogNumber(std::string_view text, const FieldInfo& field) {
    const std::string_view value = Trimmed(text, kSpacesAndTabs);
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
        return Error{"field " + std::string(field.name) + " holds \"" + std::string(value) +
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

Result<std::string> ParseCatalogText(std::string_view utf8, const FieldInfo& field) {
    const std::string name(field.name);
    auto bytes = Cp1252FromUtf8Exactly(utf8);
    if (!bytes) {
        const std::string shown = IsUtf8(utf8) ? " holds \"" + std::string(utf8) + "\"" : "";
        return Error{"field " + name + shown + ": " + bytes.message()};
    }
    const auto control = std::find_if(bytes->begin(), bytes->end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    if (control != bytes->end()) {
        return Error{"field " + name + " holds a control character (code " +
                     std::to_string(static_cast<unsigned char>(*control)) + ") at character " +
                     std::to_string(control - bytes->begin() + 1)};
    }
    // Trailing blanks are the field's own padding.
    const std::size_t length = TrimmedEnd(*bytes).size();
    if (length > field.width) {
        return Error{"field " + name + " holds \"" + std::string(utf8) + "\", " +
                     std::to_string(length) + " characters where " + std::to_string(field.width) +
                     " fit"};
    }
    return bytes;
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
