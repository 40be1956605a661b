#include "ui/editors/anti_hijack_editor.h"

#include <cmath>

#include "model/number_format.h"
#include "model/text_helpers.h"

namespace korvane::ui {

namespace {

constexpr double kNotScaledWithHull = -1;
constexpr double kKlPer25Tons = 337.5;
constexpr int kLastDefaultId = 50;
constexpr double kDefaultSet = 1;

}  // namespace

AntiHijackEditor::AntiHijackEditor(Session& session, DesignDocument& document, Prompter& prompter)
    : ListEditor(session, document, prompter,
                 {.frame_caption = "Anti-Hijack",
                  .catalog_codes = {"AH"},
                  .count_prompt = CountPrompt::NineOrEnter,
                  .modify_caption = "Modify"}) {}

void AntiHijackEditor::InstallDefaults() {
    Apply("Anti-hijack defaults", [this] { InstallDefaultSet(); });
}

void AntiHijackEditor::InstallDefaultSet() {
    auto& entries = design().AntiHijack;
    const ComponentRecord& first = catalog().LookupComponent("AH", 1);
    if (!IsEmptyEntry(first)) {
        entries[1] = first;
        entries[1].NUMBER = 1;
    }
    std::size_t last = 1;
    for (int id = 2; id <= kLastDefaultId && last < entries.size() - 1; ++id) {
        const ComponentRecord& row = catalog().LookupComponent("AH", id);
        if (row.MISCNUM[2] != kDefaultSet) {
            continue;
        }
        ++last;
        entries[last] = row;
        entries[last].NUMBER = row.MISCNUM[1] != kNotScaledWithHull ? SuggestedCount(row) : 1;
    }
}

void AntiHijackEditor::AskCountAndInstall(const CatalogKey& row) {
    const std::optional<double> suggested_count = SuggestedCount(row);
    if (!suggested_count) {
        ListEditor::AskCountAndInstall(row);
        return;
    }
    const std::string suggested = PlainNumber(*suggested_count);
    const std::optional<int> choice =
        prompter().Choose("Install how many?", {suggested, "Enter"}, 1);  // Enter: the suggestion
    if (!choice) {
        return;
    }
    std::string count = suggested;
    if (*choice == 2) {
        const auto typed = prompter().AskText(AppTitle(), "Give number", "1");
        if (!typed) {
            return;
        }
        count = *typed;
    }
    // A count that reads as 0 leaves the catalog row's own number.
    ShowFailure(Install(row, LeadingNumber(count)));
}

std::optional<double> AntiHijackEditor::SuggestedCount(const CatalogKey& row) {
    const ComponentRecord& catalog_row = catalog().LookupComponent(row.code, row.id);
    if (IsEmptyEntry(catalog_row) || catalog_row.MISCNUM[1] == kNotScaledWithHull ||
        catalog_row.IDNUM <= 1) {
        return std::nullopt;
    }
    return SuggestedCount(catalog_row);
}

double AntiHijackEditor::SuggestedCount(const ComponentRecord& row) {
    return std::floor(design().HullKL() / kKlPer25Tons * row.MISCNUM[1]);
}

}  // namespace korvane::ui
