#pragma once

#include <functional>
#include <optional>
#include <string>

#include "model/component_record.h"
#include "model/result.h"
#include "ui/prompter.h"

namespace korvane::ui {

// What a typed-in entry is asked for beyond its description, volume, mass,
// power and cost.
enum class Particulars {
    Feature,                // a custom feature
    CraftWithCrewAndLevel,  // a craft: also its crew and its tech level
};

// The 50-character name of a craft or custom feature (LABEL, then MISCSTR1–3),
// trailing blanks and never-set characters left off.
std::string FiftyCharacterName(const ComponentRecord& entry);

// Edits a typed-in entry through input boxes, each showing the current value:
// the description (characters 1–20 into LABEL, 21–30, 31–40 and 41–50 into
// MISCSTR1–3, the rest cut), the volume in kl (or displacement tons when the
// answer carries a "t"), mass, power, cost and, for craft, crew and tech level;
// then the count through `ask_count`. An empty answer keeps the value, a text
// without a leading number reads 0, and a count that reads 0 or less keeps the
// entry's number. A question closed without an answer leaves `entry` as it
// was and gives false.
bool EditTypedEntry(Prompter& prompter, ComponentRecord& entry, Particulars particulars,
                    const std::function<std::optional<std::string>()>& ask_count);

// Whether the figures of a typed-in entry (its number, volume, mass, power,
// cost and crew) are all numbers within range; why not when they are not.
Status CheckTypedFigures(const ComponentRecord& entry);

}  // namespace korvane::ui
