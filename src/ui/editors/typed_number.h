#pragma once

#include <string_view>

namespace korvane::ui {

// Whether a typed text starts with a number, as LeadingNumber reads it:
// "3 turrets" and "-.5" do, "abc" and "" do not.
bool StartsWithNumber(std::string_view text);

}  // namespace korvane::ui
