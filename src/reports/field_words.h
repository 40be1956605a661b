#pragma once

#include <string>
#include <string_view>

namespace korvane {

// A field of a design's record in words, for a person reading what differs:
// "Number", "Volume (kl)", "Cost (MCr)", "Tech level". A family's own figures
// and texts (MISCNUM1, MISCSTR2 …) read as what they hold in that slot
// (`slot`, 0 for none) or in an entry of that catalog family (`family`, its
// TABLE code): the power plant's MISCNUM3 is "MW per kl"; where neither gives
// one a meaning, "Figure 3" or "Text 2".
std::string FieldWords(std::string_view field, int slot, std::string_view family);

// A design total in words: "UsedKL" is "Volume used (kl)".
std::string TotalWords(std::string_view total);

}  // namespace korvane
