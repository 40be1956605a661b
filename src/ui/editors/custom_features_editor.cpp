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
                  .modify_caption = "Modify custom",
                  .parent = ParentWindow::OtherFeaturesMenu}) {
    available_caption.visible = false;
    available_details.visible = false;
}

void CustomFeaturesEditor::AddOne() {
    const std::optional<int> free = NextFreeEntry();
    if (!free) {
        prompter().ShowMessage(AppTitle(), "No more custom features may be added",
                               MessageIcon::Warning);
        return;
    }
    ComponentRecord feature = BlankRecord;
    if (!EditFeature(feature) || feature.NUMBER <= 0) {
        return;
    }
    Apply("Add " + StepLabel(feature),
          [&] { Entries()[static_cast<std::size_t>(*free)] = feature; });
}

std::string CustomFeaturesEditor::InstalledDetailsOf(const ComponentRecord& entry) {
    const double n = entry.NUMBER;
    return DetailsLine(n * entry.KL, n * entry.TONS, n * entry.MW, " Mw  Cr", n * entry.CR);
}

std::vector<std::string> CustomFeaturesEditor::ModifyOptions() const {
    return {"Remove", "Change number", "Edit"};
}

void CustomFeaturesEditor::ModifyFurther(int option, ComponentRecord& entry) {
    if (option == kEditOption) {
        EditFeature(entry);
    }
}

bool CustomFeaturesEditor::EditFeature(ComponentRecord& entry) {
    return EditTypedEntry(prompter(), entry, Particulars::Feature,
                          [this] { return AskNineOrEnter("Install how many?", "Give number"); });
}

}  // namespace korvane::ui
