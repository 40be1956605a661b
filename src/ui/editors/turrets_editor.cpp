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
                  .change_number_prompt = "New number of turrets"}) {}

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
void TurretsEditor::AskCountAndInstall(const CatalogKey& row) {
    const std::optional<double> count = AskCount();
    if (!count || !(*count > 0)) {
        return;
    }
    const auto batteries = AskNineOrEnter("Batteries?", "Give batteries");
    if (batteries) {
        ShowFailure(Install(row, *count, *batteries));
    }
}

Status TurretsEditor::Install(const CatalogKey& row, double count, std::string_view batteries) {
    return InstallRow(row, count,
                      [batteries](ComponentRecord& entry) { entry.MISCSTR[2] = batteries; });
}

std::vector<std::string> TurretsEditor::ModifyOptions() const {
    std::vector<std::string> options = ListEditor::ModifyOptions();
    options.push_back("Change batteries");
    options.push_back("MaxFactor");
    return options;
}

void TurretsEditor::ModifyFurther(int option, int entry) {
    if (option == kChangeBatteries) {
        AskBatteries(entry);
    } else if (option == kMaxFactor) {
        AskMaxFactor(entry);
    }
}

Status TurretsEditor::SetBatteries(int entry, std::string_view batteries) {
    auto turret = InstalledEntry(entry);
    if (!turret) {
        return turret.status();
    }
    if (batteries.empty()) {
        return {};
    }
    ComponentRecord changed = **turret;
    changed.MISCSTR[2] = batteries;
    Replace(entry,
            "Change batteries of " + StepLabel(changed) + " to " +
                ShownTrimmed(changed.MISCSTR[2].view()),
            changed);
    return {};
}

std::vector<int> TurretsEditor::MaxFactorChoices(int entry) {
    auto turret = InstalledEntry(entry);
    return turret ? AvailableTurretFactors(**turret) : std::vector<int>{};
}

Status TurretsEditor::SetMaxFactor(int entry, int factor) {
    auto turret = InstalledEntry(entry);
    if (!turret) {
        return turret.status();
    }
    const std::vector<int> factors = AvailableTurretFactors(**turret);
    if (std::find(factors.begin(), factors.end(), factor) == factors.end()) {
        return Error{"This turret has no factor " + EncodeDigit(factor) +
                     " to form batteries for; its batteries stay as they are."};
    }
    ComponentRecord changed = **turret;
    changed.MISCSTR[2] = PlainNumber(MaxBatteries(changed, factor));
    Replace(entry, "MaxFactor " + EncodeDigit(factor), changed);
    return {};
}

void TurretsEditor::AskBatteries(int entry) {
    const auto answer = prompter().AskText(
        AppTitle(), "New number of batteries",
        ShownTrimmed(design().Turrets[static_cast<std::size_t>(entry)].MISCSTR[2].view()));
    if (answer) {
        ShowFailure(SetBatteries(entry, *answer));
    }
}

// A turret that offers no factor has nothing to choose from: it is told so and
// keeps its batteries.
void TurretsEditor::AskMaxFactor(int entry) {
    const std::vector<int> factors = MaxFactorChoices(entry);
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
    if (chosen && *chosen >= 1 && *chosen <= static_cast<int>(factors.size())) {
        ShowFailure(SetMaxFactor(entry, factors[static_cast<std::size_t>(*chosen - 1)]));
    }
}

}  // namespace korvane::ui
