#include "ui/editors/communicators_editor.h"

namespace korvane::ui {

CommunicatorsEditor::CommunicatorsEditor(Session& session, DesignDocument& document,
                                         Prompter& prompter)
    : ListEditor(session, document, prompter,
                 {.frame_caption = "Communicators",
                  .catalog_codes = {"CM"},
                  .modify_caption = "Modify Communicators"}) {}

}  // namespace korvane::ui
