#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "model/component_record.h"

namespace korvane {

// The fields of a ComponentRecord by name, in record order, as the catalog's
// columns and the CSV header name them.
enum class FieldKind { Text, Integer, Number };

struct FieldInfo {
    std::string_view name;
    FieldKind kind;
    std::size_t width = 0;  // characters of a text field
};

inline constexpr std::size_t kRecordFieldCount = 33;

const std::array<FieldInfo, kRecordFieldCount>& RecordFields();

// Index of a field name, or kRecordFieldCount when it is not one.
std::size_t FieldIndex(std::string_view name);

// Text fields: all bytes of the field. Numeric fields: the value.
std::string TextField(const ComponentRecord& record, std::size_t field);
void SetTextField(ComponentRecord& record, std::size_t field, std::string_view text);
double NumberField(const ComponentRecord& record, std::size_t field);
void SetNumberField(ComponentRecord& record, std::size_t field, double value);

}  // namespace korvane
