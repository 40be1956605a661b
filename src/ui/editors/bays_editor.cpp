#include "ui/editors/bays_editor.h"

namespace korvane::ui {

BaysEditor::BaysEditor(Session& session, DesignDocument& document, Prompter& prompter)
    : ListEditor(session, document, prompter,
                 {.frame_caption = "Bay Weapons",
                  .catalog_codes = {"BY"},
                  .count_prompt = CountPrompt::NineOrEnter,
                  .zero_count = ZeroCount::KeepCatalogNumber,
                  .modify_caption = "Modify Bays"}) {}

std::string BaysEditor::InstalledRowTail(const ComponentRecord& entry) const {
    return "  (Factor-" + entry.USP.str() + ")";
}

}  // namespace korvane::ui
