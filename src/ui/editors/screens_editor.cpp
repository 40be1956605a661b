#include "ui/editors/screens_editor.h"

#include <string>

namespace korvane::ui {

ScreensEditor::ScreensEditor(Session& session, DesignDocument& document, Prompter& prompter)
    : ListEditor(session, document, prompter,
                 {.frame_caption = "Screens",
                  .catalog_codes = {"SC"},
                  .count_prompt = CountPrompt::NineOrEnter,
                  .zero_count = ZeroCount::KeepCatalogNumber,
                  .modify_caption = "Modify Screens"}) {}

std::string ScreensEditor::AvailableRowText(const ComponentRecord& row) const {
    return row.LABEL.str() + "  TL " + std::to_string(row.TL);
}

}  // namespace korvane::ui
