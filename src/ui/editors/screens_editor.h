#pragma once

#include "ui/editors/list_editor.h"

namespace korvane::ui {

// The screens editor, opened from the weapon systems editor: the SC catalog
// rows, listed with their tech level, into the design's Screens entries 1–5.
// An install without a count takes the catalog row's own number.
class ScreensEditor final : public ListEditor {
public:
    ScreensEditor(Session& session, DesignDocument& document, Prompter& prompter);

protected:
    std::span<ComponentRecord> Entries() override { return design().Screens; }
    std::string AvailableRowText(const ComponentRecord& row) const override;
};

}  // namespace korvane::ui
