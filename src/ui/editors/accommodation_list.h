#pragma once

#include "ui/editors/list_editor.h"

namespace korvane::ui {

// The accommodation list inside the crew window: the AC catalog rows into the
// design's Accommodations entries 1–50.
class AccommodationList final : public ListEditor {
public:
    AccommodationList(Session& session, DesignDocument& document, Prompter& prompter);

protected:
    std::span<ComponentRecord> Entries() override { return design().Accommodations; }
};

}  // namespace korvane::ui
