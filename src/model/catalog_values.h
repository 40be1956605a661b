#pragma once

#include <string>
#include <string_view>

#include "model/record_fields.h"
#include "model/result.h"

namespace korvane {

// Reads the text of a numeric catalog field. Numeric fields must hold a value:
// an empty one is refused (except `custom`, a text that holds a number, where
// empty reads as 0), so is text that is not wholly a number and, for the 16-bit
// fields, a value outside -32768..32767. Integers are rounded half away from zero.
Result<double> ParseCatalogNumber(std::string_view text, const FieldInfo& field);

// The shortest plain decimal text that reads back as exactly the same number
// ("0.5", "1000000", "0.00001").
std::string ExactNumberText(double value);

// The rows' own key, as messages name a row: "(PP, 3)".
std::string RowKeyText(const ComponentRecord& record);

}  // namespace korvane
