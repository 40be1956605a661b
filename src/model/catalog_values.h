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

// Reads the UTF-8 text of a catalog text field as the field holds it, in
// Windows-1252. What the field cannot hold as written is refused rather than
// cut or changed: a text longer than the field, a character with no
// Windows-1252 form, a control character, malformed UTF-8.
Result<std::string> ParseCatalogText(std::string_view utf8, const FieldInfo& field);

// The shortest plain decimal text that reads back as exactly the same number
// ("0.5", "1000000", "0.00001").
std::string ExactNumberText(double value);

// The rows' own key, as messages name a row: "(PP, 3)".
std::string RowKeyText(const ComponentRecord& record);

}  // namespace korvane
