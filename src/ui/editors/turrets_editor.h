#pragma once

#include "ui/editors/list_editor.h"

namespace korvane::ui {

// The turrets editor, opened from the weapon systems editor: the TR catalog
// rows into the design's Turrets entries 1–10. An install asks for the number
// of turrets and then for the batteries their weapons form; the installed rows
// show the factor the recalculation gave each entry and its batteries.
// "Change batteries" sets the batteries, "MaxFactor" the most batteries the
// weapons form at a chosen factor.
class TurretsEditor final : public ListEditor {
public:
    TurretsEditor(Session& session, DesignDocument& document, Prompter& prompter);

protected:
    std::span<ComponentRecord> Entries() override { return design().Turrets; }
    std::string InstalledRowTail(const ComponentRecord& entry) const override;
    bool AskCount(ComponentRecord& entry) override;
    std::vector<std::string> ModifyOptions() const override;
    void ModifyFurther(int option, ComponentRecord& entry) override;
    // "MaxFactor 6", "Change batteries of Triple Turret to 2".
    std::string ModifyStepName(int option, const ComponentRecord& before,
                               const ComponentRecord& after) const override;

private:
    void ChangeBatteries(ComponentRecord& entry);
    void SetBatteriesForMaxFactor(ComponentRecord& entry);

    std::string chosen_factor_;  // the factor the last "MaxFactor" formed batteries for
};

}  // namespace korvane::ui
