#include "ui/editors/turrets_editor.h"

#include <algorithm>

#include "engine/digit_codes.h"
#include "model/number_format.h"
#include "model/text_helpers.h"
#include "ui/editors/turret_batteries.h"

namespace korvane::ui {

namespace {

constexpr int kChangeBatteries = 3;
constexpr int kMaxFactor = 4;
// The installed row shows this much of the batteries text.
constexpr std::size_t kBatteriesShown = 4;

// A field as the editor shows it: a never-set field's NULs as blanks.
std::string Shown(std::string_view field) {
    std::string text(field);
    std::replace(text.begin(), text.end(), '\0', ' ');
    return text;
}

std::string ShownTrimmed(std::string_view field) {
    return std::string(TrimmedEnd(Shown(field)));
}

bool IsMixed(const ComponentRecord& turret) {
    return turret.USP.first() == '*';
}

}  // namespace

TurretsEditor::TurretsEditor(Session& session, DesignDocument& document, Prompter& prompter)
    : ListEditor(session, document, prompter,
                 {.frame_caption = "Turrets",
                  .catalog_codes = {"TR"},
                  .count_prompt = CountPrompt::NineOrEnter,
                  .count_caption = "How many?",
                  .zero_count = ZeroCount::InstallNothing,
                  .modify_caption = "Modify Turrets",
                  .change_number_prompt = "New number of turrets",
                  .parent = ParentWindow::WeaponSystemsEditor}) {}

// A mixed turret names its weapons; any other shows its factor and batteries.
std::string TurretsEditor::InstalledRowTail(const ComponentRecord& entry) const {
    if (IsMixed(entry)) {
        return " " + Shown(entry.MISCSTR[1].view());
    }
    return "  factor " + Shown(entry.USP.view()) + " bty " +
           Shown(entry.MISCSTR[2].view().substr(0, kBatteriesShown));
}

// The batteries are asked only once the turrets are counted; closing either
// question installs nothing, not even the number already given.
bool TurretsEditor::AskCount(ComponentRecord& entry) {
    if (!ListEditor::AskCount(entry)) {
        return false;
    }
    if (entry.NUMBER <= 0) {
        return true;
    }
    const auto batteries = AskNineOrEnter("Batteries?", "Give batteries");
    if (!batteries) {
        return false;
    }
    entry.MISCSTR[2] = *batteries;
    return true;
}

std::vector<std::string> TurretsEditor::ModifyOptions() const {
    std::vector<std::string> options = ListEditor::ModifyOptions();
    options.push_back("Change batteries");
    options.push_back("MaxFactor");
    return options;
}

void TurretsEditor::ModifyFurther(int option, ComponentRecord& entry) {
    if (option == kChangeBatteries) {
        ChangeBatteries(entry);
    } else if (option == kMaxFactor) {
        SetBatteriesForMaxFactor(entry);
    }
}

std::string TurretsEditor::ModifyStepName(int option, const ComponentRecord& before,
                                          const ComponentRecord& after) const {
    if (option == kMaxFactor) {
        return "MaxFactor " + chosen_factor_;
    }
    if (option == kChangeBatteries) {
        return "Change batteries of " + StepLabel(before) + " to " +
               ShownTrimmed(after.MISCSTR[2].view());
    }
    return ListEditor::ModifyStepName(option, before, after);
}

void TurretsEditor::ChangeBatteries(ComponentRecord& entry) {
    const auto answer = prompter().AskText(AppTitle(), "New number of batteries",
                                           ShownTrimmed(entry.MISCSTR[2].view()));
    if (answer && !answer->empty()) {
        entry.MISCSTR[2] = *answer;
    }
}

// A turret that offers no factor has nothing to choose from: it is told so and
// keeps its batteries.
void TurretsEditor::SetBatteriesForMaxFactor(ComponentRecord& entry) {
    const std::vector<int> factors = AvailableTurretFactors(entry);
    if (factors.empty()) {
        prompter().ShowMessage(AppTitle(),
                               "This turret has no factor to form batteries for; its batteries "
                               "stay as they are.",
                               MessageIcon::Information);
        return;
    }
    std::vector<std::string> options;
    for (const int factor : factors) {
        options.push_back(EncodeDigit(factor));
    }
    const std::optional<int> chosen =
        prompter().Choose("Maximum batteries for what factor ?", options);
    if (!chosen || *chosen < 1 || *chosen > static_cast<int>(factors.size())) {
        return;
    }
    const int factor = factors[static_cast<std::size_t>(*chosen - 1)];
    chosen_factor_ = EncodeDigit(factor);
    entry.MISCSTR[2] = PlainNumber(MaxBatteries(entry, factor));
}

}  // namespace korvane::ui
