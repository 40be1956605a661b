#pragma once

#include <string>
#include <string_view>

namespace korvane {

inline constexpr char kSeparator = '/';

// 1-based position of the last directory separator in `text`, 0 when there is none.
int LastSeparatorPos(std::string_view text);

// Appends the separator unless `text` already ends in one; `text` itself is updated too.
std::string WithTrailingSeparator(std::string& text);

// The value of the environment variable `name`, its name compared without
// regard to case, blanks trimmed at both ends; empty when there is none.
std::string EnvironmentValue(std::string_view name);

}  // namespace korvane
