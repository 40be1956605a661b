#include "ui/editors/entry_particulars.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

#include "app/session.h"
#include "model/design.h"
#include "model/number_format.h"
#include "model/text_helpers.h"

namespace korvane::ui {

namespace {

constexpr std::size_t kLabelWidth = 20;
constexpr std::size_t kContinuationWidth = 10;

std::string Field(std::string_view text, std::size_t from, std::size_t width) {
    return from < text.size() ? std::string(text.substr(from, width)) : std::string();
}

void StoreName(ComponentRecord& entry, std::string_view name) {
    entry.LABEL = Field(name, 0, kLabelWidth);
    for (std::size_t part = 1; part <= 3; ++part) {
        entry.MISCSTR[part] =
            Field(name, kLabelWidth + (part - 1) * kContinuationWidth, kContinuationWidth);
    }
}

// A volume typed in kl, or in displacement tons when the answer carries a "t".
double TypedVolume(std::string_view answer) {
    const double number = LeadingNumber(answer);
    return answer.find_first_of("Tt") != std::string_view::npos ? number * kKlPerTon : number;
}

std::int16_t RoundedTechLevel(double typed) {
    constexpr double kLowest = std::numeric_limits<std::int16_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(std::round(typed), kLowest, kHighest));
}

// One input box with the current value as its default text. An empty answer
// keeps the value; false when the box was closed.
class Questions {
public:
    explicit Questions(Prompter& prompter) : prompter_(prompter) {}

    bool Text(const std::string& prompt, const std::string& current,
              const std::function<void(const std::string&)>& store) {
        const std::optional<std::string> answer = prompter_.AskText(AppTitle(), prompt, current);
        if (!answer) {
            return false;
        }
        if (!answer->empty()) {
            store(*answer);
        }
        return true;
    }

    bool Number(const std::string& prompt, double& value) {
        return Text(prompt, PlainNumber(value),
                    [&value](const std::string& answer) { value = LeadingNumber(answer); });
    }

private:
    Prompter& prompter_;
};

}  // namespace

std::string FiftyCharacterName(const ComponentRecord& entry) {
    std::string name = entry.LABEL.str();
    for (std::size_t part = 1; part <= 3; ++part) {
        name += entry.MISCSTR[part].str();
    }
    name.resize(TrimmedEnd(name, kSpacesAndNuls).size());
    std::replace(name.begin(), name.end(), '\0', ' ');
    return name;
}

bool EditTypedEntry(Prompter& prompter, ComponentRecord& entry, Particulars particulars,
                    const std::function<std::optional<std::string>()>& ask_count) {
    ComponentRecord edited = entry;
    Questions ask(prompter);
    const bool answered =
        ask.Text("Description", FiftyCharacterName(edited),
                 [&edited](const std::string& name) { StoreName(edited, name); }) &&
        ask.Text("KL or tons volume (suffix tons with t):", PlainNumber(edited.KL),
                 [&edited](const std::string& answer) { edited.KL = TypedVolume(answer); }) &&
        ask.Number("Tons weight", edited.TONS) && ask.Number("MW power", edited.MW) &&
        ask.Number("Cr cost", edited.CR);
    if (!answered) {
        return false;
    }
    if (particulars == Particulars::CraftWithCrewAndLevel) {
        const bool crew_and_level =
            ask.Number("Crew", edited.MISCNUM[3]) &&
            ask.Text("TL (numeric) ", std::to_string(edited.TL), [&edited](const std::string& tl) {
                edited.TL = RoundedTechLevel(LeadingNumber(tl));
            });
        if (!crew_and_level) {
            return false;
        }
    }
    const std::optional<std::string> count = ask_count();
    if (!count) {
        return false;
    }
    if (const double number = LeadingNumber(*count); number > 0) {
        edited.NUMBER = number;
    }
    entry = edited;
    return true;
}

Status CheckTypedFigures(const ComponentRecord& entry) {
    for (const double figure :
         {entry.NUMBER, entry.KL, entry.TONS, entry.MW, entry.CR, entry.MISCNUM[3]}) {
        if (!std::isfinite(figure)) {
            return Error{"A figure of " + FiftyCharacterName(entry) +
                         " is not a number within range; nothing was changed."};
        }
    }
    return {};
}

}  // namespace korvane::ui
