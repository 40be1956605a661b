#pragma once

#include "ui/editors/list_editor.h"

namespace korvane::ui {

// The custom features editor, opened from the other-features menu: entries 1–10
// of the design's CustomFeatures, typed in by the user rather than taken from
// the catalog, so it has an installed list only.
class CustomFeaturesEditor final : public ListEditor {
public:
    CustomFeaturesEditor(Session& session, DesignDocument& document, Prompter& prompter);

    // "Add One": the custom feature dialog on the first free entry. A dialog
    // closed without an answer, or a count that reads 0, adds nothing.
    void AddOne();
    // Adds `feature`, as the user typed it, into the first free entry: "Add
    // Bar". A feature whose number is not above 0 adds nothing.
    Status Add(const ComponentRecord& feature);
    // Replaces installed entry `entry` by `edited`: "Edit Bar".
    Status Edit(int entry, const ComponentRecord& edited);

    std::vector<std::string> ModifyOptions() const override;

    Button add_one{"Add &One"};

protected:
    std::span<ComponentRecord> Entries() override { return design().CustomFeatures; }

    // The entry's own figures: a custom feature has no catalog row.
    std::string InstalledDetailsOf(const ComponentRecord& entry) override;
    // "Edit": the custom feature dialog.
    void ModifyFurther(int option, int entry) override;

private:
    bool EditFeature(ComponentRecord& entry);
    static Error NoFreeEntry();
};

}  // namespace korvane::ui
