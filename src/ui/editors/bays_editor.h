#pragma once

#include "ui/editors/list_editor.h"

namespace korvane::ui {

// The bay weapons editor, opened from the weapon systems editor: the BY
// catalog rows into the design's Bays entries 1–10. An install without a
// count takes the catalog row's own number; the installed rows show the
// factor the recalculation gave each bay for the design's tech level.
class BaysEditor final : public ListEditor {
public:
    BaysEditor(Session& session, DesignDocument& document, Prompter& prompter);

protected:
    std::span<ComponentRecord> Entries() override { return design().Bays; }
    std::string InstalledRowTail(const ComponentRecord& entry) const override;
};

}  // namespace korvane::ui
