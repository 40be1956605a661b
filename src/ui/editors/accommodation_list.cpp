#include "ui/editors/accommodation_list.h"

namespace korvane::ui {

AccommodationList::AccommodationList(Session& session, DesignDocument& document, Prompter& prompter)
    : ListEditor(session, document, prompter,
                 {.frame_caption = "Accommodation",
                  .catalog_codes = {"AC"},
                  .last_catalog_id = 9999,
                  .modify_caption = "Modify Accommodation"}) {}

}  // namespace korvane::ui
