#include "ui/editors/craft_editor.h"

#include <cmath>

#include "engine/support_crew.h"
#include "model/number_format.h"
#include "model/text_helpers.h"
#include "ui/editors/entry_particulars.h"

namespace korvane::ui {

namespace {

constexpr int kEditOption = 3;

// Tubes and tonnage below 0 would give the launch tube a negative volume and cost.
double NotBelowZero(double value) {
    return value > 0 ? value : 0;
}

}  // namespace

CraftEditor::CraftEditor(Session& session, DesignDocument& document, Prompter& prompter)
    : ListEditor(session, document, prompter,
                 {.frame_caption = "Subordinate Craft",
                  .catalog_codes = {"CR"},
                  .last_catalog_id = 5000,
                  .count_prompt = CountPrompt::NineOrEnter,
                  .modify_caption = "Modify Craft"}) {}

void CraftEditor::Activate() {
    ListEditor::Activate();
    launch_tubes.caption = LaunchTubeCaption(design().Slots[Slot::LaunchTube]);
    launch_tube_details.caption = LaunchTubeDetails(design().Slots[Slot::LaunchTube]);
}

bool CraftEditor::Concerns(const DesignChange& change) {
    return ListEditor::Concerns(change) ||
           change.TouchesRecords(design(), std::span(&design().Slots[Slot::LaunchTube], 1));
}

void CraftEditor::SetLaunchTubes() {
    const ComponentRecord& tube = design().Slots[Slot::LaunchTube];
    const auto count =
        prompter().AskText(AppTitle(), "How many launch tubes?", PlainNumber(tube.MISCNUM[2]));
    if (!count) {
        return;
    }
    const double tubes = LeadingNumber(*count);
    double tonnage = tube.MISCNUM[1];
    if (NotBelowZero(tubes) != 0) {
        const auto typed = prompter().AskText(AppTitle(), "To launch up to what tonnage?",
                                              PlainNumber(tube.MISCNUM[1]));
        if (!typed) {
            return;
        }
        tonnage = LeadingNumber(*typed);
    }
    ShowFailure(SetLaunchTubes(tubes, tonnage));
}

Status CraftEditor::SetLaunchTubes(double tubes, double tonnage) {
    if (!std::isfinite(tubes) || !std::isfinite(tonnage)) {
        return Error{
            "The launch tubes and their tonnage must be numbers within range; they "
            "stay as they are."};
    }
    ComponentRecord tube = design().Slots[Slot::LaunchTube];
    tube.MISCNUM[2] = NotBelowZero(tubes);
    if (tube.MISCNUM[2] != 0) {
        tube.MISCNUM[1] = NotBelowZero(tonnage);
        tube.NUMBER = 1;
    } else {
        tube.NUMBER = 0;
    }
    Apply(LaunchTubeCaption(tube), [&] { design().Slots[Slot::LaunchTube] = tube; });
    return {};
}

Status CraftEditor::Edit(int entry, const ComponentRecord& edited) {
    return ReplaceEdited(entry, edited);
}

std::string CraftEditor::AvailableRowText(const ComponentRecord& row) const {
    return row.LABEL.str() + row.MISCSTR[1].str() + row.MISCSTR[2].str() + row.MISCSTR[3].str();
}

std::string CraftEditor::AvailableDetailsOf(const ComponentRecord& row) const {
    return FormatPattern(row.KL, "#,###,##0") + " KL  " + FormatPattern(row.TONS, "#,###,##0") +
           " Tons  " + " KCr" + FormatPattern(row.CR / 1000, "#,###,##0.0") + " TL " +
           std::to_string(row.TL);
}

std::string CraftEditor::InstalledRowText(const ComponentRecord& entry) const {
    return FiftyCharacterName(entry) + " x" + PlainNumber(entry.NUMBER);
}

std::string CraftEditor::StepLabel(const ComponentRecord& entry) const {
    return FiftyCharacterName(entry);
}

// The entry's own figures: an edited craft no longer has the catalog row's.
std::string CraftEditor::InstalledDetailsOf(const ComponentRecord& entry) {
    const double n = entry.NUMBER;
    return DetailsLine(n * entry.KL, n * entry.TONS, n * entry.MISCNUM[3], " crew  Cr",
                       n * entry.CR);
}

std::vector<std::string> CraftEditor::ModifyOptions() const {
    return {"Remove", "Change number", "Edit"};
}

void CraftEditor::ModifyFurther(int option, int entry) {
    if (option != kEditOption) {
        return;
    }
    ComponentRecord edited = design().Craft[static_cast<std::size_t>(entry)];
    if (EditTypedEntry(prompter(), edited, Particulars::CraftWithCrewAndLevel,
                       [this] { return AskNineOrEnter("Install how many?", "Give number"); })) {
        ShowFailure(Edit(entry, edited));
    }
}

std::string LaunchTubeCaption(const ComponentRecord& launch_tube) {
    if (launch_tube.NUMBER != 1) {
        return "No launch tube";
    }
    return PlainNumber(launch_tube.MISCNUM[2]) + " launch tubes for max displacement " +
           PlainNumber(launch_tube.MISCNUM[1]) + " tons.";
}

std::string LaunchTubeDetails(const ComponentRecord& launch_tube) {
    if (launch_tube.NUMBER == 1) {
        return DetailsLine(launch_tube.KL, launch_tube.TONS, launch_tube.MISCNUM[2], " tubes  Cr",
                           launch_tube.CR);
    }
    ComponentRecord per_ton = launch_tube;
    per_ton.NUMBER = 1;
    per_ton.MISCNUM[1] = 1;
    engine::SizeLaunchTube(per_ton);
    constexpr const char* kPattern = "#,###,##0.0";
    return "Each ton of craft launched: " + FormatPattern(per_ton.KL, kPattern) + " KL  " +
           FormatPattern(per_ton.TONS, kPattern) + " Tons  Cr" +
           FormatPattern(per_ton.CR, kPattern);
}

}  // namespace korvane::ui
