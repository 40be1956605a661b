#include "ui/editors/custom_features_editor.h"

#include "ui/editors/entry_particulars.h"

namespace korvane::ui {

namespace {

constexpr int kEditOption = 3;

}  // namespace

CustomFeaturesEditor::CustomFeaturesEditor(Session& session, DesignDocument& document,
                                           Prompter& prompter)
    : ListEditor(session, document, prompter,
                 {.frame_caption = "Custom Features",
                  .catalog_codes = {},
                  .count_prompt = CountPrompt::NineOrEnter,
                  .modify_caption = "Modify custom"}) {
    available_caption.visible = false;
    available_details.visible = false;
}

void CustomFeaturesEditor::AddOne() {
    if (!NextFreeEntry()) {
        ShowFailure(NoFreeEntry());
        return;
    }
    ComponentRecord feature = BlankRecord;
    if (EditFeature(feature)) {
        ShowFailure(Add(feature));
    }
}

Status CustomFeaturesEditor::Add(const ComponentRecord& feature) {
    if (Status figures = CheckTypedFigures(feature); !figures) {
        return figures;
    }
    const std::optional<int> free = NextFreeEntry();
    if (!free) {
        return NoFreeEntry();
    }
    if (!(feature.NUMBER > 0)) {
        return {};
    }
    Apply("Add " + StepLabel(feature),
          [&] { Entries()[static_cast<std::size_t>(*free)] = feature; });
    return {};
}

Status CustomFeaturesEditor::Edit(int entry, const ComponentRecord& edited) {
    return ReplaceEdited(entry, edited);
}

std::string CustomFeaturesEditor::InstalledDetailsOf(const ComponentRecord& entry) {
    const double n = entry.NUMBER;
    return DetailsLine(n * entry.KL, n * entry.TONS, n * entry.MW, " Mw  Cr", n * entry.CR);
}

std::vector<std::string> CustomFeaturesEditor::ModifyOptions() const {
    return {"Remove", "Change number", "Edit"};
}

void CustomFeaturesEditor::ModifyFurther(int option, int entry) {
    if (option != kEditOption) {
        return;
    }
    ComponentRecord edited = design().CustomFeatures[static_cast<std::size_t>(entry)];
    if (EditFeature(edited)) {
        ShowFailure(Edit(entry, edited));
    }
}

bool CustomFeaturesEditor::EditFeature(ComponentRecord& entry) {
    return EditTypedEntry(prompter(), entry, Particulars::Feature,
                          [this] { return AskNineOrEnter("Install how many?", "Give number"); });
}

Error CustomFeaturesEditor::NoFreeEntry() {
    return Error{"No more custom features may be added"};
}

}  // namespace korvane::ui
